#include "app/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/heat_mode_view.h"
#include "app/qt_scale_window.h"
#include "localisation/language_tables.h"
#include "localisation/qt_apply_language.h"
#include "standings/voltaavolta_window.h"

namespace sc {

namespace {

constexpr int kDesignFontPoints = 9;
constexpr int kListFontPoints = 13;  // race and series lists are read from a few metres away
constexpr int kMinSelectionWidth = 360;
constexpr int kRaceRowsShown = 5;  // a wrapped name takes two

QString controlName(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

// The design caption: the Catalan table's text when it has one.
QString designCaption(const QString& name, int index, const char* fallback) {
    if (auto text = tableText(kCatalan, "Portada", name.toStdString(), index))
        return QString::fromStdString(*text);
    return QString::fromUtf8(fallback);
}

void setListFont(QWidget* w) {
    QFont f = w->font();
    f.setPointSize(kListFontPoints);
    f.setBold(true);
    w->setFont(f);
}

// Design captions of the modality buttons; the language routine overwrites them.
const char* const kPrgCaptions[] = {"Entrenaments", "Entrenaments lliures", "Entrenaments oficials",
                                    "SuperPole", "Cursa"};

}  // namespace

PortadaView::PortadaView(RaceState& state, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), state_(state), prompter_(prompter), portada_(state, prompter), series_(kSeriesLists + 1, nullptr) {
    setObjectName("Portada");
    setWindowTitle("SlotCursa");
    QFont f = font();
    f.setPointSize(kDesignFontPoints);
    setFont(f);
    resize(static_cast<int>(800), static_cast<int>(600));

    buildMenus();
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(buildSelectionPanel(), 0);

    auto* right = new QVBoxLayout;
    right->addWidget(buildHeatPanel());
    mdi_ = new QMdiArea(central);
    mdi_->setObjectName("FonsDePantalla");
    mdi_->setBackground(QColor(0, 0, 96));
    right->addWidget(mdi_, 1);
    row->addLayout(right, 1);
    setCentralWidget(central);
    heatMode_ = new HeatModeView(state, prompter, *this);
    wireRaceCommands();
    wireResultsCommands();
    updateCommandStates();
}

QMenu* PortadaView::addMenu(QMenu* parent, const QString& name, const char* design) {
    QMenu* menu = parent ? parent->addMenu(designCaption(name, -1, design))
                         : menuBar()->addMenu(designCaption(name, -1, design));
    menu->setObjectName(name);
    return menu;
}

QAction* PortadaView::addEntry(QMenu* menu, const QString& name, int index, const char* design) {
    QAction* action = menu->addAction(designCaption(name, index, design));
    action->setObjectName(controlName(name, index));
    action->setEnabled(false);  // until the feature behind it exists
    return action;
}

void PortadaView::buildMenus() {
    QMenu* file = addMenu(nullptr, "MnuArxiu", "Arxiu");
    addEntry(file, "MnuNovaProva", -1, "Nova prova...");
    QMenu* newSeries = addMenu(file, "MnuNovaSerie", "Nova sèrie");
    const char* const newSeriesCaptions[] = {"", "", "&Entrenaments oficials...", "Super &Pole...",
                                             "&Cursa..."};
    for (int m = 2; m <= 4; ++m) addEntry(newSeries, "MnuNou", m, newSeriesCaptions[m]);
    addEntry(file, "MnuGestor", -1, "Gestor de proves...");
    file->addSeparator();
    QMenu* config = addMenu(file, "MnuConfiguracio", "Configuracions");
    const char* const cfgCaptions[] = {"Configuració del programa...", "Configuració circuit/general...",
                                       "Configuració circuit/prova..."};
    for (int i = 0; i < 3; ++i) {
        QAction* entry = addEntry(config, "MnuCfg", i, cfgCaptions[i]);
        connect(entry, &QAction::triggered, this, [this, i] {
            const std::function<void()>* cmd[] = {&commands_.programSettings, &commands_.generalTrackConfig,
                                                  &commands_.raceTrackConfig};
            if (*cmd[i]) (*cmd[i])();
        });
    }
    file->addSeparator();
    QAction* quit = addEntry(file, "MnuSortir", -1, "Sortir");
    quit->setEnabled(true);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* programmes = addMenu(nullptr, "MnuProgrames", "Modalitats");
    for (int m = 0; m <= 4; ++m) addEntry(programmes, "MnuPrg", m, kPrgCaptions[m]);

    QMenu* data = addMenu(nullptr, "MnuDades", "Dades");
    addEntry(data, "MnuIns100", -1, "Llista de participants...");
    addEntry(data, "MnuIns", 0, "Llista d'inscrits...");
    addEntry(data, "MnuIns", 2, "Participants als entrenaments oficials...");
    addEntry(data, "MnuIns", 3, "Participants a la SuperPole...");
    addEntry(data, "MnuIns", 4, "Participants a la cursa...");
    addEntry(data, "MnuPen", 4, "Penalitzacions a la cursa...");

    QMenu* results = addMenu(nullptr, "MnuResultats", "Resultats");
    addEntry(results, "MnuAltresRtats", -1, "Classificacions");
    addEntry(results, "MnuVltaaVlta", -1, "Llistar voltes");
    addEntry(results, "MnuExportar", -1, "Exportar a TXT...");

    buildWindowsMenu();
    // Reproduir and the track's lanes, filled when a modality opens.
    addMenu(nullptr, "MnuManual", "Manual");

    QMenu* help = addMenu(nullptr, "MnuAjuda", "Informació");
    addEntry(help, "MnuAjd", -1, "Ajuda");
    QAction* about = addEntry(help, "MnuInfo", -1, "Sobre el programa");
    connect(about, &QAction::triggered, this, [this] {
        if (commands_.about) commands_.about();
    });

    auto* tools = addToolBar("Eines");
    tools->setObjectName("BarraEines");
    tools->setMovable(false);
    for (auto [name, design] :
         {std::pair{"BotoCfg", "Configuració del programa..."}, {"BotoSortir", "Sortir"}}) {
        QAction* a = tools->addAction(designCaption(name, -1, design));
        a->setObjectName(name);
        a->setEnabled(QString(name) == "BotoSortir");
        if (QString(name) == "BotoSortir")
            connect(a, &QAction::triggered, this, &QWidget::close);
        else
            connect(a, &QAction::triggered, this, [this] {
                if (commands_.programSettings) commands_.programSettings();
            });
    }
}

// Finestres: switch, arrange and list the child windows, the live ones full
// screen; the heat-running mode enables the menu.
void PortadaView::buildWindowsMenu() {
    QMenu* windows = addMenu(nullptr, "MnuFinestres", "Finestres");
    auto command = [this, windows](const char* name, const char* design, QKeySequence key, auto run) {
        QAction* entry = addEntry(windows, name, -1, design);
        entry->setEnabled(true);
        entry->setShortcut(key);
        connect(entry, &QAction::triggered, this, run);
    };
    command("MnuAlternar", "Alternar", QKeySequence(Qt::CTRL | Qt::Key_Tab),
            [this] { mdi_->activateNextSubWindow(); });
    // The live windows open maximised: arranging them first restores them.
    command("MnuMosaic", "Mosaic", QKeySequence(), [this] { arrangeWindows(true); });
    command("MnuCascada", "Cascada", QKeySequence(), [this] { arrangeWindows(false); });
    command("MnuPantallaCompleta", "Pantalla completa (F11)", QKeySequence(Qt::Key_F11),
            [this] { heatMode_->toggleFullScreen(); });
    // F11 also brings the drivers' screen back from that screen.
    if (auto* fullScreen = windows->findChild<QAction*>("MnuPantallaCompleta"))
        fullScreen->setShortcutContext(Qt::ApplicationShortcut);
    windows->addSeparator();
    connect(windows, &QMenu::aboutToShow, this, [this, windows] { listWindows(windows); });
    windows->menuAction()->setEnabled(false);  // only while a modality runs
}

void PortadaView::arrangeWindows(bool tile) {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) sub->showNormal();
    if (tile)
        mdi_->tileSubWindows();
    else
        mdi_->cascadeSubWindows();
}

// One checkable entry per open child window, after the commands.
void PortadaView::listWindows(QMenu* windows) {
    for (QAction* old : windows->findChildren<QAction*>(QRegularExpression("^Finestra\\("))) delete old;
    const QList<QMdiSubWindow*> open = mdi_->subWindowList();
    for (int i = 0; i < open.size(); ++i) {
        QMdiSubWindow* sub = open[i];
        QAction* entry = windows->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        entry->setObjectName(controlName("Finestra", i + 1));
        entry->setCheckable(true);
        entry->setChecked(sub == mdi_->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, sub] {
            mdi_->setActiveSubWindow(sub);
            if (sub->widget()) sub->widget()->setFocus();
        });
    }
}

QPushButton* PortadaView::addButton(QWidget* parent, const QString& name, int index, const char* design) {
    auto* button = new QPushButton(designCaption(name, index, design), parent);
    button->setObjectName(controlName(name, index));
    button->setEnabled(false);
    return button;
}

QWidget* PortadaView::buildSelectionPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("PanellSeleccio");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    logo_ = new QLabel(panel);
    logo_->setObjectName("Logo");
    logo_->setAlignment(Qt::AlignCenter);
    logo_->setMinimumHeight(60);
    column->addWidget(logo_);
    version_ = new QLabel(panel);
    version_->setObjectName("Versio");
    version_->setAlignment(Qt::AlignCenter);
    column->addWidget(version_);

    // An empty program says how to begin.
    hint_ = new QLabel(designCaption("Benvinguda", -1, ""), panel);
    hint_->setObjectName("Benvinguda");
    hint_->setWordWrap(true);
    hint_->hide();
    column->addWidget(hint_);
    column->addWidget(buildRaceFrame(), 1);
    auto* training = new QGroupBox(QString::fromUtf8("ENTRENAMENTS"), panel);
    training->setObjectName("MarcEntrenaments");
    auto* trainingRow = new QHBoxLayout(training);
    trainingRow->addWidget(addButton(training, "BotoPrg", 0, kPrgCaptions[0]));
    column->addWidget(training);
    for (int m = 1; m <= kSeriesLists; ++m) column->addWidget(buildModalityFrame(m));
    column->addStretch(0);

    auto* scroll = new QScrollArea;
    scroll->setObjectName("Seleccio");
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(kMinSelectionWidth);
    return scroll;
}

QGroupBox* PortadaView::buildRaceFrame() {
    auto* frame = new QGroupBox(designCaption("Marc", 0, "Prova"));
    frame->setObjectName("Marc(0)");
    auto* grid = new QGridLayout(frame);
    races_ = new QListWidget(frame);
    races_->setObjectName("LlProves");
    dates_ = new QListWidget(frame);
    dates_->setObjectName("Data");
    setListFont(races_);
    setListFont(dates_);
    auto* dateLabel = new QLabel(designCaption("TextData", -1, "Data:"), frame);
    dateLabel->setObjectName("TextData");
    grid->addWidget(dateLabel, 0, 1);
    grid->addWidget(races_, 1, 0);
    grid->addWidget(dates_, 1, 1);
    // A long race name wraps rather than hiding behind a scroll bar; the dates take only their width.
    races_->setWordWrap(true);
    races_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    races_->setTextElideMode(Qt::ElideNone);
    dates_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setColumnStretch(0, 1);
    export_ = addButton(frame, "Command1", -1, "Exportar");
    grid->addWidget(export_, 2, 0, 1, 2);

    auto follow = [this](int row) {
        if (showing_ || row < 0) return;
        portada_.LlProves_Click(row);
        showState();
    };
    connect(races_, &QListWidget::currentRowChanged, this, follow);
    connect(dates_, &QListWidget::currentRowChanged, this, follow);
    return frame;
}

QGroupBox* PortadaView::buildModalityFrame(int modality) {
    auto* frame = new QGroupBox(QString::fromUtf8(kPrgCaptions[modality]).toUpper());
    frame->setObjectName(controlName("Marc", modality));
    auto* grid = new QGridLayout(frame);
    auto* label = new QLabel(designCaption("Text", modality, "Sèrie:"), frame);
    label->setObjectName(controlName("Text", modality));
    auto* list = new QComboBox(frame);
    list->setObjectName(controlName("LlSeries", modality));
    setListFont(list);
    series_[modality] = list;
    grid->addWidget(label, 0, 0);
    grid->addWidget(list, 0, 1);
    grid->addWidget(addButton(frame, "BotoPrg", modality, kPrgCaptions[modality]), 0, 2);
    if (modality >= 2) {
        grid->addWidget(addButton(frame, "BotoIns", modality, "Participants..."), 1, 0);
        grid->addWidget(addButton(frame, "BotoCls", modality, "Classificació..."), 1, 1);
        grid->addWidget(addButton(frame, "BotoNou", modality, "Nova sèrie..."), 1, 2);
    }
    if (modality == 4) grid->addWidget(addButton(frame, "BotoPen", modality, "Penalizacions..."), 2, 0);
    connect(list, &QComboBox::currentIndexChanged, this, [this, modality](int index) {
        if (!showing_) portada_.LlSeries_Click(modality, index);
    });
    return frame;
}

QFrame* PortadaView::buildHeatPanel() {
    heatPanel_ = new QFrame;
    heatPanel_->setObjectName("FonsDeMenu");
    heatPanel_->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(heatPanel_);
    for (auto [name, design] : {std::pair{"TextHora", "Temps transcorregut:"},
                                {"Hora", ""},
                                {"TextPausa", "EN PAUSA"},
                                {"MesMenys", ""}}) {
        auto* label = new QLabel(designCaption(name, -1, design), heatPanel_);
        label->setObjectName(name);
        label->hide();
        row->addWidget(label);
    }
    // The lap correction being typed is read back before Enter.
    if (auto* entry = heatPanel_->findChild<QLabel*>("MesMenys")) {
        QFont big = entry->font();
        big.setPointSize(2 * kListFontPoints);
        big.setBold(true);
        entry->setFont(big);
    }
    const char* const menuCaptions[] = {"(Esc) Tancar", "(L)listar voltes", "(I)mprimir",
                                        "(C)orregir",   "(A)nul·lar",       "(,) Comes"};
    for (int i = 0; i < 6; ++i) row->addWidget(addButton(heatPanel_, "Menu", i, menuCaptions[i]));
    auto* errors = new QComboBox(heatPanel_);
    errors->setObjectName("Errors");
    errors->hide();
    row->addWidget(errors);
    row->addStretch(1);
    heatPanel_->hide();  // shown only while a modality runs
    return heatPanel_;
}

void PortadaView::setCommands(PortadaCommands commands) {
    commands_ = std::move(commands);
    updateCommandStates();
}

void PortadaView::updateCommandStates() {
    auto enable = [this](const char* name, bool on) {
        if (auto* a = findChild<QAction*>(name)) a->setEnabled(on);
    };
    enable("MnuCfg(0)", bool(commands_.programSettings));
    enable("BotoCfg", bool(commands_.programSettings));
    enable("MnuCfg(1)", bool(commands_.generalTrackConfig));
    enable("MnuCfg(2)", bool(commands_.raceTrackConfig) && portada_.raceControlsEnabled);
    enable("MnuInfo", bool(commands_.about));
    updateRaceCommandStates();
    updateResultsCommandStates();
    if (heatMode_) heatMode_->updateSelectionStates();
}

void PortadaView::load() {
    version_->setText(QString::fromStdString(Portada::versionText()));
    showLogo();
    portada_.Load();
    showState();
    applyTexts();
    ScaleWindow(this, state_);
    fitSelectionPanel();
}

// Measured with the fonts in force (the screen's scale changes them): the dates
// take their width, and the panel is as wide as its buttons and lists need.
void PortadaView::fitSelectionPanel() {
    dates_->setFixedWidth(QFontMetrics(dates_->font()).horizontalAdvance(QStringLiteral("00-00-0000")) + 24);
    races_->setMinimumHeight(kRaceRowsShown * QFontMetrics(races_->font()).lineSpacing());
    auto* scroll = findChild<QScrollArea*>("Seleccio");
    if (!scroll || !scroll->widget()) return;
    scroll->setMinimumWidth(std::max(kMinSelectionWidth, scroll->widget()->minimumSizeHint().width() +
                                                             scroll->verticalScrollBar()->sizeHint().width() +
                                                             2 * scroll->frameWidth()));
}

void PortadaView::showLogo() {
    logo_->clear();
    const auto file = portada_.logoFile();
    if (!file) return;
    QPixmap picture(QString::fromStdString(file->string()));
    if (picture.isNull()) return;  // not a picture: the frame stays empty
    logo_->setPixmap(picture.scaled(320, 160, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PortadaView::showState() {
    showing_ = true;
    auto fill = [](QListWidget* w, const ListControl& list) {
        if (w->count() != list.count()) {
            w->clear();
            for (const auto& item : list.items) w->addItem(QString::fromStdString(item));
        }
        w->setCurrentRow(list.selected);
    };
    fill(races_, portada_.LlProves);
    hint_->setVisible(portada_.LlProves.count() == 0);
    fitSelectionPanel();
    fill(dates_, portada_.Data);
    for (int m = 1; m <= kSeriesLists; ++m) {
        QComboBox* box = series_[m];
        const ListControl& list = portada_.LlSeries[m];
        box->clear();
        for (const auto& item : list.items) box->addItem(QString::fromStdString(item));
        box->setCurrentIndex(list.selected);
        box->setEnabled(portada_.modalityEnabled[m]);
        if (auto* label = findChild<QLabel*>(controlName("Text", m)))
            label->setEnabled(portada_.modalityEnabled[m]);
    }
    export_->setText(QString::fromStdString(portada_.exportCaption()));
    updateCommandStates();
    showing_ = false;
}

void PortadaView::applyTexts() {
    applyLanguage(state_, this);
    // The training frame is titled like the other modality frames.
    if (auto* entry = findChild<QAction*>("MnuPrg(0)"))
        if (auto* frame = findChild<QGroupBox*>("MarcEntrenaments"))
            frame->setTitle(entry->text().remove('&').toUpper());
    export_->setText(QString::fromStdString(portada_.exportCaption()));
}

void PortadaView::keyPressEvent(QKeyEvent* event) {
    const int code = HeatKeyCode(*event);
    if (code != 0 && heatMode_->programme().ui.heatMode)
        heatMode_->key(code);
    else
        QMainWindow::keyPressEvent(event);
}

void PortadaView::closeEvent(QCloseEvent* event) {
    if (!portada_.QueryUnload()) {
        event->ignore();
        return;
    }
    portada_.Unload();
    QMainWindow::closeEvent(event);
}

}  // namespace sc
