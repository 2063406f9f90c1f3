// Where the program keeps its files: the data folder (or --home DIR) and the program's folder.
#pragma once

#include <QString>

namespace quadrilo::app {

// The fixed file and folder names, one spelling each.
inline constexpr char RecentFileName[] = "Recent.txt";
inline constexpr char ProfileFileName[] = "User.prf";
inline constexpr char HistoryFileName[] = "Historico.txt";
inline constexpr char DrawingsFolderName[] = "Drawings";
inline constexpr char CalculationInputName[] = "gInput.txt";
inline constexpr char CalculationOutputName[] = "gOutput.txt";
inline constexpr char StartDrawingName[] = "Default.vec";
// The folder of the drawings written automatically, one set of files per running program.
inline constexpr char RecoveryFolderName[] = "Recovery";

// Where the program keeps its files: the data folder of the user (or --home DIR) for the lists, the
// profile, the log, the calculation files and the recovery folder, and the program's own folder for
// "Default.vec".
struct AppFolders {
    QString programDir; // the executable's folder; "Default.vec" ships beside the program
    QString home;       // the data folder: every file the program keeps between runs

    // home + name.
    [[nodiscard]] QString inHome(const QString& name) const;
    [[nodiscard]] QString recentPath() const { return inHome(RecentFileName); }
    [[nodiscard]] QString profilePath() const { return inHome(ProfileFileName); }
    [[nodiscard]] QString historyPath() const { return inHome(HistoryFileName); }
    [[nodiscard]] QString drawingsDir() const { return inHome(DrawingsFolderName); }
    [[nodiscard]] QString calculationInputPath() const { return inHome(CalculationInputName); }
    [[nodiscard]] QString calculationOutputPath() const { return inHome(CalculationOutputName); }
    [[nodiscard]] QString recoveryDir() const { return inHome(RecoveryFolderName); }
    // The start drawing shipped beside the program, and the one the program builds in its data
    // folder when none ships.
    [[nodiscard]] QString shippedStartDrawing() const;
    [[nodiscard]] QString builtStartDrawing() const { return inHome(StartDrawingName); }

    // The folders of a run: `homeOption` (from --home) when given, else the user's data folder.
    [[nodiscard]] static AppFolders forRun(const QString& programDir, const QString& homeOption);
    // Creates the data folder and its "Drawings" folder; false when they cannot be made.
    [[nodiscard]] bool makeFolders() const;
};

} // namespace quadrilo::app
