// The engine's texts in Portuguese, the language the program starts in.
#include "app/texts/Language.h"

namespace quadrilo::app {
namespace {

// Grouped by topic, in the order of the identifier ranges; a few entries keep their English
// wording ("Linetypes", "Select CodePage").
constexpr EngineText Portuguese[] = {
    // 1-11: application and drawing names, file-dialog filter
    {1, "Projeto CadBox"},
    {11, "Desenho CadBox (*.vec)|*.vec|"},
    // 101-153: file, undo and general messages
    {105, "Salvar as alterações no arquivo'%s'?"},
    {107, "Buffer Desfazer está vazio"},
    {108, "Buffer Refazer está vazio"},
    {112, "Regenerando o modelo."},
    {120, "Nada selecionado."},
    {121, "Nenhuma entidade na área de transferência."},
    {122, "Comando desconhecido: %s"},
    {123, "O comando falhou: %s"},
    // 140-146: the program's own, the recovery of work left unsaved by a session that ended
    {140, "O desenho %s não foi fechado normalmente. O trabalho gravado automaticamente em %s pode ser recuperado."},
    {141, "(sem nome)"},
    {142, "Recuperar"},
    {143, "Descartar"},
    {144, "O trabalho gravado do desenho %s não pôde ser aberto: %s O arquivo foi guardado como %s."},
    {145, "Atenção: A gravação automática falhou: %s"},
    {146, "Info: Trabalho recuperado do desenho %s"},
    // 301-304: object selection prompts
    {301, "Selecione objetos (Botão direito - cancela)"},
    {302, "Selecione objetos: %d encontrados, %d total"},
    // 27151-27214: page and print layout
    {27151, "Album"},
    // 27301-27633: options dialog and its pages
    {27301, "Opções"},
    {27302, "Mostrar espessuras de linha"},
    {27303, "Cursor em cruz"},
    {27404, "Altura do texto"},
    {27405, "Tamanho da seta"},
    {27406, "Afastamento da linha de chamada"},
    {27407, "Prolongamento além da linha de cota"},
    {27408, "Casas decimais"},
    {27410, "Estilo de cota"},
    // 27541-27547: multiline style details
    {27541, "Padrão"},
    // 28481-28798: entity property names and entity kinds
    {28481, "Propriedades"},
    {28482, "Camada"},
    {28483, "Cor"},
    {28484, "Espessura"},
    {28485, "Texto"},
    {28486, "PorCamada"},
    {28487, "PorBloco"},
    {28488, "Padrão"},
    {28489, "Ponto inicial"},
    {28490, "Ponto final"},
    {28491, "Centro"},
    {28492, "Raio"},
    {28493, "Posição"},
    {28494, "Ponto de inserção"},
    {28495, "Altura"},
    {28496, "Rotação (graus)"},
    {28497, "Escala"},
    {28498, "Vértices"},
    {28499, "Ponto base"},
    {28500, "Primeiro ponto de extensão"},
    {28501, "Segundo ponto de extensão"},
    {28502, "Linha de cota"},
    {28503, "%s: não é um número; nada foi alterado."},
    {28504, "%s deve ser maior que zero; nada foi alterado."},
    // 27411-27417: layer list
    {27411, "Camada ativa:  %s"},
    // 29001-29104: drafting aids
    {29001, "Ajuda de desenho"},
    {29002, "Extremidade"},
    {29003, "Ponto médio"},
    {29004, "Interseção"},
    {29005, "Nó"},
    {29006, "Centro"},
    {29007, "Mais próximo"},
    {29008, "Atrair à grade"},
    {29009, "Mostrar grade"},
    {29010, "Espaçamento da grade"},
    {29011, "Orto"},
    {29012, "SNAP"},
    {29013, "GRADE"},
    {29014, "ORTO"},
    {29015, "SNAP GRADE"},
    // 29199-29312: command prompts
    {29199, "Repetir %s"},
    {29201, "Especifique um ponto:"},
    {29202, "Especifique o próximo ponto (Enter termina):"},
    {29203, "Especifique um ponto de passagem ou [H/V]:"},
    {29204, "Especifique um ponto de passagem:"},
    {29205, "Especifique o centro:"},
    {29206, "Especifique o raio ou um ponto do círculo:"},
    {29207, "Especifique a altura do texto <%s>:"},
    {29208, "Especifique o ângulo de rotação <%s>:"},
    {29209, "Digite o texto:"},
    {29210, "Digite uma linha do texto (linha vazia termina):"},
    {29211, "Nome do bloco <%s>:"},
    {29212, "Especifique o ponto de inserção:"},
    {29213, "Especifique a origem da primeira linha de chamada:"},
    {29214, "Especifique a origem da segunda linha de chamada:"},
    {29215, "Especifique a posição da linha de cota:"},
    {29216, "Selecione um segmento de polilinha ou multilinha:"},
    {29217, "Selecione um vértice:"},
    {29218, "Especifique a nova posição do vértice:"},
    {29219, "Bloco desconhecido: %s"},
    {29220, "Valor inválido."},
    {29221, "Especifique o ponto base:"},
    {29222, "Especifique o segundo ponto:"},
    {29223, "Ponto inválido."},
    {29224, "Especifique o próximo ponto ou [U: desfazer]:"},
    {29225, "Comando:"},
    // 29401-29459: more command prompts
    {29401, "Especifique primeiro canto:"},
    {29402, "Especifique o canto oposto:"},
    {29403, "Arraste para cima ou para baixo para ampliar; Esc termina."},
    {29404, "Arraste para deslocar; Esc termina."},
    // 29601-29652: positions and alignments
    {29601, "Trazeira esquerda"},
    // 1001-1023: error messages
    {1001, "Identificador inválido"},
    {1002, "Não foi possível abrir %s: %s"},
    {1003, "%s não é um desenho do Quadrilo (cabeçalho desconhecido)."},
    {1004, "%s está incompleto."},
    {1005, "%s está danificado (%s)."},
    {1006, "%s tem a versão de formato %s, que este programa não lê."},
    {1007, "Não foi possível gravar %s: %s"},
    {1008, "Nenhum leitor ou gravador para o formato de %s."},
    {1009, "Nenhum nome de arquivo informado."},
    {1010, "Um desenho não pode ser aberto de dentro de um comando."},
    {1011, "Não posso apagar camada 0"},
    {1012, "Não posso apagar camada que contém entidades"},
    {1013, "Não posso apagar a camada ativa"},
    {1014, "O conteúdo da área de transferência está danificado (%s)."},
    {1015, "O conteúdo da área de transferência não pode ser colado neste desenho (%s)."},
    // 401-503: menu and command names
    {401, "Sair"},
    {403, "Zoom Extensão"},
    {404, "Zoom Janela"},
    {405, "Zoom Tempo Real"},
    {406, "Pan Tempo Real"},
    {407, "Zoom Anterior"},
    {410, "Repetir Comando"},
    {411, "Desfazer"},
    {412, "Refazer"},
    {413, "Copiar"},
    {414, "Colar"},
    {415, "Apagar"},
    {416, "Mover"},
    {420, "Auxílio ao Desenho"},
    {421, "Opções"},
    {422, "Propriedades"},
    {423, "Camadas"},
    {430, "Inserir Vértice"},
    {431, "Apagar Vértice"},
    {432, "Editar Vértice..."},
    // 3001-3406: common dialog buttons and dialog texts
    {3001, "OK"},
    {3002, "Cancela"},
    // 3501-3809: colour choice, polyline vertices, polygon, raster export
    {3501, "Seleciona Cor"},
    // 3901-4204: fonts and font converters
    {3901, "Fontes CADBox instaladas"},
    // 4301-4713: hatch, image, block insertion, layers
    {4301, "Hachura"},
    {4601, "Camadas"},
    {4602, "Nome"},
    {4603, "Cor"},
    {4604, "Visível"},
    {4605, "Ativa"},
    {4606, "Nova camada"},
    {4607, "Ordem das camadas"},
    {4608, "Subir"},
    {4609, "Descer"},
    {4610, "Os nomes das camadas devem ser únicos e não vazios; nada foi alterado."},
    {4611, "Apagar"},
    // 4801-5409: line types, pages
    {4801, "Linetypes"},
    // 5501-5815: code page, text style, tip of the day, viewpoint presets
    {5501, "Select CodePage"},
    // 5901-6430: external references, block attributes, plug-ins
    {5901, "Referência Externa"},
};

} // namespace

std::span<const EngineText> PortugueseEngineTexts() {
    return Portuguese;
}

} // namespace quadrilo::app
