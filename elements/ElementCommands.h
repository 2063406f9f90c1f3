// The engine commands of the elements: id, name, alias, cursor and registration failure message.
#pragma once

#include <array>
#include <string_view>

namespace quadrilo::elements {

struct CommandInfo {
    int id = 0;
    std::string_view name;
    std::string_view alias;
    std::string_view cursor; // empty: the engine's own cursor
    std::string_view registrationError;
};

inline constexpr CommandInfo BeamCommand{11001, "VIGA", "VG", "VIGA",
                                         "Erro: Falha ao criar o comando: Viga"};
inline constexpr CommandInfo SlabCommand{11002, "LAJE", "LJ", "LAJE",
                                         "Erro: Falha ao criar o comando: Laje"};
inline constexpr CommandInfo WallCommand{11003, "PAREDE", "PR", "",
                                         "Erro: Falha ao criar o comando: Parede"};
inline constexpr CommandInfo ColumnCommand{11004, "PILAR", "PI", "PILAR",
                                           "Erro: Falha ao criar o comando: Pilar"};
inline constexpr CommandInfo LoadCommand{11010, "DLOCLOAD", "DLL", "LOCLOAD",
                                         "Erro: Falha ao criar o comando: Carga Local"};

// In the order the drawing registers them (the diagram command, a results command, comes between
// the wall and the nodal load).
inline constexpr std::array ElementCommands{BeamCommand, SlabCommand, ColumnCommand, WallCommand,
                                            LoadCommand};

} // namespace quadrilo::elements
