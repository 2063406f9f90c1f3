// The main window's layout: menus, tool bars, tabs, drawing window, message log.
#include "app/window/TfrmMain.h"

#include "app/tabs/BeamsTab.h"
#include "app/tabs/CalculationTab.h"
#include "app/tabs/ColumnsTab.h"
#include "app/tabs/ConstructionLinesTab.h"
#include "app/tabs/ElementEditTab.h"
#include "app/tabs/InitialDataTab.h"
#include "app/tabs/SlabsTab.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace quadrilo::app {
namespace {

QMenu* menu(QMenuBar& bar, const char* title, const char* name) {
    QMenu* m = bar.addMenu(QString::fromUtf8(title));
    m->setObjectName(QLatin1String(name));
    return m;
}

QMenu* submenu(QMenu& parent, const char* title, const char* name) {
    QMenu* m = parent.addMenu(QString::fromUtf8(title));
    m->setObjectName(QLatin1String(name));
    return m;
}

// The entries of a menu; nullptr stands for a separator.
void fill(QMenu& m, const MainActions& actions, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (name)
            m.addAction(actions[name]);
        else
            m.addSeparator();
    }
}

} // namespace

void TfrmMain::buildMenus() {
    QMenuBar& bar = *menuBar();
    const MainActions& a = m_actions;
    fill(*menu(bar, "Arquivo", "mnuArquivo"), a,
         {"actNew", "actOpen", "actRecent", "actSave", "actSaveAs", nullptr, "actSaveExport",
          nullptr, "actPrint", "actPrintPreview", "actPrintSetup", nullptr, "actClose"});
    QMenu* edit = menu(bar, "Editar", "mnuEditar");
    fill(*edit, a,
         {"actUndo", "actRedo", nullptr, "mnuCopiar", "mnuColar", "mnuApagar", nullptr,
          "actProperties", "mnuInserirBloco"});
    fill(*submenu(*edit, "Layers:", "mnuLayers"), a, {"actLayerShow", "actLayerOrder"});
    fill(*edit, a, {"actMove"});
    fill(*submenu(*edit, "Histórico", "mnuHistorico"), a, {"actHistClear", "actHistSave"});
    QMenu* format = menu(bar, "Formatar", "mnuFormatar");
    fill(*format, a, {"actStyle_DIM"});
    format->menuAction()->setVisible(false);
    fill(*menu(bar, "Desenhar", "mnuDesenhar"), a,
         {"actLinha", "actRay", "actConstructionLine", "actCircle", "actRectangle", "actPoint",
          nullptr, "actDrawText", "actDrawMText", nullptr, "actDim_LIN", "actDim_ALIGNED"});
    fill(*menu(bar, "Isométrico", "mnuIsometrico"), a,
         {"actView_TOP", "actView_BOTTOM", "ActView_LEFT", "actView_RIGHT", "actView_FRONT",
          "actView_BACK", nullptr, "actView_SW", "actView_SE", "actView_NE", "actView_NW"});
    QMenu* insert = menu(bar, "Inserir", "mnuInserir");
    fill(*insert, a, {"acAddBlock"});
    insert->menuAction()->setVisible(false);
    QMenu* tools = menu(bar, "Ferramentas", "mnuFerramentas");
    QMenu* language = submenu(*tools, "Língua", "mnuLingua");
    fill(*language, a, {"actPortLanguage", "actEnglish"});
    language->menuAction()->setVisible(false);
    fill(*tools, a, {"actShowcalcDlg", "mnuEditor"});
    fill(*submenu(*tools, "Sistema", "mnuSistema"), a, {"mnuAssociar"});
    fill(*tools, a, {"actSaveExport"});
    fill(*menu(bar, "Ajuda", "mnuAjuda"), a, {"actAbout"});
}

void TfrmMain::buildToolBars() {
    const MainActions& a = m_actions;
    m_toolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    m_toolBar1->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar1->setMovable(false);
    const std::pair<const char*, QStyle::StandardPixmap> icons[] = {
        {"actOpen", QStyle::SP_DialogOpenButton},
        {"actNew", QStyle::SP_FileIcon},
        {"actSave", QStyle::SP_DialogSaveButton}};
    for (const auto& [name, icon] : icons)
        a[name]->setIcon(style()->standardIcon(icon));
    for (const char* name : {"actOpen", "actNew", "actSave", "actPrint", "actPrintPreview"})
        m_toolBar1->addAction(a[name]);
    m_toolBar1->addSeparator();
    m_toolBar1->addAction(a["actRealTPan"]);
    m_toolBar1->addAction(a["actZoomWind"]);
    m_toolBar1->addSeparator();
    m_toolBar1->addAction(a["actLayerShow"]);
    m_pnlLayers = new QWidget(m_toolBar1);
    m_pnlLayers->setObjectName(QStringLiteral("pnlLayers"));
    m_pnlLayers->setFixedSize(248, 22);
    m_toolBar1->addWidget(m_pnlLayers);
    m_toolBar1->addSeparator();
    m_label14 = new QLabel(QStringLiteral("X;Y"), m_toolBar1);
    m_label14->setObjectName(QStringLiteral("Label14"));
    m_label14->setMinimumWidth(220);
    m_toolBar1->addWidget(m_label14);
    m_toolBar1->addSeparator();
    m_mainProgress = new QProgressBar(m_toolBar1);
    m_mainProgress->setObjectName(QStringLiteral("MainProgress"));
    m_mainProgress->setFixedWidth(150);
    m_mainProgress->setRange(0, 90);
    m_mainProgress->setValue(0);
    m_mainProgress->setTextVisible(false); // smooth
    m_toolBar1->addWidget(m_mainProgress);

    m_toolBar2 = addToolBar(QStringLiteral("ToolBar2"));
    m_toolBar2->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar2->setMovable(false);
    for (const char* name :
         {"actViewLeft", "actViewRight", "actViewDown", "actViewUp", "actViewTop", "actViewrender"})
        m_toolBar2->addAction(a[name]);
    m_toolBar2->hide();
}

QWidget* TfrmMain::buildTabs() {
    m_pnlProp = new QWidget;
    m_pnlProp->setObjectName(QStringLiteral("pnlProp"));
    m_pnlProp->setFixedWidth(281);
    m_pControl = new QTabWidget(m_pnlProp);
    m_pControl->setObjectName(QStringLiteral("pControl"));
    m_pControl->setTabPosition(QTabWidget::East);
    // Tabs the window's height cannot hold are reached with the tab bar's arrows.
    m_pControl->setUsesScrollButtons(true);
    m_pControl->setElideMode(Qt::ElideNone);
    m_initialData = new InitialDataTab;
    m_constructionLines = new ConstructionLinesTab;
    m_columns = new ColumnsTab;
    m_beams = new BeamsTab;
    m_slabs = new SlabsTab;
    m_calculation = new CalculationTab(m_actions);
    m_elementEdit = new ElementEditTab(m_actions);
    const std::pair<QWidget*, const char*> pages[] = {
        {m_initialData, "1) Dados Iniciais"},
        {m_constructionLines, "2) Linhas de Construçao"},
        {m_columns, "3) Pilares"},
        {m_beams, "4) Vigas"},
        {m_slabs, "5) Lajes"},
        {m_calculation, "6) Cálculos e Malha"},
        {m_elementEdit, "7) Edição dos Elementos"}};
    int number = 1;
    for (const auto& [page, caption] : pages) {
        page->setObjectName(QStringLiteral("TabSheet%1").arg(number++));
        m_pControl->addTab(page, QString::fromUtf8(caption));
    }
    auto* layout = new QVBoxLayout(m_pnlProp);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pControl);
    return m_pnlProp;
}

void TfrmMain::buildPanels() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlMain"));
    m_panel3 = new QWidget(central);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_splitter = new QSplitter(Qt::Vertical, m_panel3);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_pnlCad = new QWidget(m_splitter);
    m_pnlCad->setObjectName(QStringLiteral("pnlCad"));
    auto* cadLayout = new QVBoxLayout(m_pnlCad);
    cadLayout->setContentsMargins(0, 0, 0, 0);
    auto* pnlCommand = new QWidget(m_splitter);
    pnlCommand->setObjectName(QStringLiteral("pnlCommand"));
    m_hist = new QListWidget(pnlCommand);
    m_hist->setObjectName(QStringLiteral("Hist"));
    m_hist->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* historico = new QMenu(QStringLiteral("Historico"), m_hist);
    historico->setObjectName(QStringLiteral("Historico"));
    historico->addAction(m_actions["actHistClear"]);
    historico->addAction(m_actions["actHistSave"]);
    connect(m_hist, &QListWidget::customContextMenuRequested, historico,
            [this, historico](const QPoint& at) { historico->popup(m_hist->mapToGlobal(at)); });
    auto* commandLayout = new QVBoxLayout(pnlCommand);
    commandLayout->setContentsMargins(0, 0, 0, 0);
    commandLayout->addWidget(m_hist);
    m_splitter->addWidget(m_pnlCad);
    m_splitter->addWidget(pnlCommand);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setSizes({470, 110});
    auto* right = new QVBoxLayout(m_panel3);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(m_splitter);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(buildTabs());
    layout->addWidget(m_panel3, 1);
    setCentralWidget(central);
}

} // namespace quadrilo::app
