// Every action of the main window.
#include "app/window/MainActions.h"

#include <QAction>

#include <stdexcept>
#include <string>

namespace quadrilo::app {
namespace {

struct ActionDefinition {
    const char* name;
    const char* caption;
    const char* hint;
    bool enabled = false; // the work is connected here, in the application shell
    bool checked = false; // a visibility action, ticked at start
};

// Menu entries the window names only by caption carry a "mnu" name.
const ActionDefinition Definitions[] = {
    // project record
    {"actSaveProjExtData", "Grava Dados Extendidos de Projeto",
     "Salva dados iniciais da\nmalha principal", true},
    // message log, visibility, loads
    {"actHistClear", "Limpar Hist.", "", true},
    {"actHistSave", "Salvar Hist.", "", true},
    {"actLayerMalhaPVis", "Visível", "", true, true},
    {"actLocLoadVis", "Visível", "", true, true},
    {"actDrawWeight", "Carga Local", "Insere uma carga local (em nós)"},
    {"actLongWeight", "Carga Distribuida", "Cargas distribuídas (Paredes)"},
    {"actWeightDeleteAll", "Apagar", "Apagar todas as cargas", true},
    // documents
    {"actNew", "&Novo", "projeto novo", true},
    {"actOpen", "&Abrir", "Abre arquivo", true},
    {"actRecent", "&Recentes", "", true},
    {"actSave", "&Salvar", "Grava projeto", true},
    {"actSaveAs", "Salvar Como", "", true},
    {"actClose", "&Sair", "", true},
    {"mnuAssociar", "Associar Arquivos *.vec ao programa", "", true},
    // drawing tools, views, printing and export
    {"actUndo", "Desfazer", ""},
    {"actRedo", "Refazer", ""},
    {"mnuCopiar", "Copiar", ""},
    {"mnuColar", "Colar", ""},
    {"mnuApagar", "Apagar", ""},
    {"actProperties", "Propriedades", ""},
    {"mnuInserirBloco", "Inserir Bloco", ""},
    {"actMove", "Mover", ""},
    {"actLayerShow", "Diálogo", "Edição de layers"},
    {"actLayerOrder", "Ordenar", ""},
    {"actLinha", "Linha", ""},
    {"actRay", "Raio (Ray)", ""},
    {"actCircle", "Círculo", ""},
    {"actRectangle", "Retângulo", ""},
    {"actPoint", "Ponto", ""},
    {"actConstructionLine", "Linha de Construção", ""},
    {"actDrawText", "Texto", ""},
    {"actDrawMText", "Texto Multilinha", ""},
    {"acAddBlock", "Insere Bloco", ""},
    {"actDim_ALIGNED", "Dimensão Alinhada", ""},
    {"actDim_LIN", "Dimensão Linear", ""},
    {"actStyle_DIM", "Estilos Dimensão", ""},
    {"actView_TOP", "Vista Topo", ""},
    {"actView_BOTTOM", "Vista Baixo", ""},
    {"ActView_LEFT", "Vista Lateral Esq.", ""},
    {"actView_RIGHT", "Vista Lateral Dir.", ""},
    {"actView_FRONT", "Vista Frontal", ""},
    {"actView_BACK", "Vista Retro", ""},
    {"actView_SW", "Vista SW", ""},
    {"actView_SE", "Vista SE", ""},
    {"actView_NE", "Vista NE", ""},
    {"actView_NW", "Vista NW", ""},
    {"actRealTPan", "Oan", "desloca o desenho em\ntempo real"},
    {"actZoomWind", "actZoomWind", "Zoom quadro"},
    {"actPrint", "Impressão/Setup Página", "Impressão de projeto"},
    {"actPrintSetup", "Selecionar Impressora", ""},
    {"actPrintPreview", "Previsualizar", "Preview de impressão"},
    {"actSaveExport", "Exportar", ""},
    // engine texts
    {"actPortLanguage", "Português", "", true},
    {"actEnglish", "Inglês", "", true},
    // about box
    {"actAbout", "Sobre", "", true},
    // grillage and calculation
    {"actMalha", "Gerar Grelha Principal", ""},
    {"actDelMesh", "Apagar Grelha", ""},
    {"actCalculate", "Calcular", ""},
    {"actGerarDados", "Gerar Dados Iniciais", ""},
    // results
    {"actDeformada", "Gerar Grelha Deformada", "Desenha a grelha deformada"},
    {"actDelDeformada", "Apagar Grelha Def.", "Apaga grelha deformada"},
    {"actColor", "Cor", ""},
    {"actLayerDefVis", "Visível", "", false, true},
    {"actViewLeft", "Esquerda", "Gira o isométrico para a esquerda"},
    {"actViewRight", "Direita", "Gira o isométrico para a direita"},
    {"actViewUp", "Cima", ""},
    {"actViewDown", "Baixo", ""},
    {"actViewTop", "Topo", "Visibilidade de cima"},
    {"actDiagFletor", "Diagrama Momento Fletor", "Diagrama Momento Fletor"},
    {"actDiagCortante", "Diagrama de Força Cortante", "Diagrama de Força Cortante"},
    {"actDiagNormal", "Diagrama de Momento Torçor", "Diagrama de Momento Torçor"},
    {"actDiagDZ", "dz", "dz"},
    {"ActListResult", "Listar Resultados", "Listagem de Resultados"},
    {"actlistInput", "Listagem Dados Inic.", "Listagem dos dados iniciais de cálculo"},
    {"mnuEditor", "Editor", ""},
    {"actViewrender", "Render", "Ver a malha renderizada"},
    // element edit panels
    {"actEditLajeSave", "Salvar dados laje", ""},
    {"actEditPilarSave", "Gravar", ""},
    {"actEditLoadSave", "Salvar dados carregamento", ""},
    // calculation tool
    {"actShowcalcDlg", "Dialogo de Cálculo VORTA", ""},
};

} // namespace

MainActions::MainActions(QObject* owner) {
    for (const ActionDefinition& definition : Definitions) {
        auto* action = new QAction(QString::fromUtf8(definition.caption), owner);
        action->setObjectName(QLatin1String(definition.name));
        action->setToolTip(QString::fromUtf8(definition.hint));
        action->setStatusTip(action->toolTip());
        action->setEnabled(definition.enabled);
        action->setCheckable(definition.checked);
        action->setChecked(definition.checked);
        m_actions.push_back(action);
    }
}

QAction* MainActions::operator[](std::string_view name) const {
    for (QAction* action : m_actions)
        if (action->objectName() == QLatin1String(name.data(), qsizetype(name.size())))
            return action;
    throw std::out_of_range("no action named " + std::string(name));
}

} // namespace quadrilo::app
