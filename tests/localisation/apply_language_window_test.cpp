// The Qt adapter translates a widget tree named like the real windows: one
// control of each kind; the texts themselves are checked by the logic tests.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "localisation/qt_apply_language.h"

using namespace sc;

namespace {

template <typename T>
T* named(QWidget* parent, const char* name, const QString& text = {}) {
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromUtf8(name));
    if constexpr (std::is_base_of_v<QAbstractButton, T> || std::is_same_v<T, QLabel>) widget->setText(text);
    return widget;
}

struct MainWindow {
    QMainWindow window;
    QAction* cfg0 = nullptr;
    QMenu* configMenu = nullptr;
    QPushButton* close = nullptr;
    QGroupBox* frame3 = nullptr;

    MainWindow() {
        window.setObjectName("Portada");
        configMenu = window.menuBar()->addMenu("Configuracions");
        configMenu->setObjectName("MnuConfiguracio");
        cfg0 = configMenu->addAction(QString::fromUtf8("Configuració del programa..."));
        cfg0->setObjectName("MnuCfg(0)");
        auto* central = new QWidget(&window);
        window.setCentralWidget(central);
        close = named<QPushButton>(central, "Menu(0)", "(Esc) Tancar");
        frame3 = named<QGroupBox>(central, "Marc(3)");
    }
};

}  // namespace

class ApplyLanguageWindowTest : public QObject {
    Q_OBJECT

private slots:
    void settingsWindowInSpanishWhileMainWindowKeepsCatalan() {
        MainWindow main;
        RaceState state;
        state.Settings.Language = 1;

        auto* settings = new QWidget(&main.window, Qt::Window);
        settings->setObjectName("ConfiguracioPrg");
        auto* counter = named<QLabel>(settings, "Text(1)", "Comptavoltes:");
        auto* atPass = named<QRadioButton>(settings, "OpcioComes(2)", "x");
        auto* colours = named<QGroupBox>(settings, "RecuadreColors");
        auto* language = named<QComboBox>(settings, "LlIdioma");
        language->addItems({QString::fromUtf8("Català"), QString::fromUtf8("Castellà")});
        language->setCurrentIndex(1);
        auto* leave = named<QPushButton>(settings, "Sortir(0)", "x");
        auto* untouched = named<QLabel>(settings, "Etiqueta", "tal com es va dissenyar");

        applyLanguage(state, settings);

        QCOMPARE(counter->text(), QString("Cuentavueltas:"));
        QCOMPARE(atPass->text(), QString::fromUtf8("Al finalizar la pasada nº:"));
        QCOMPARE(colours->title(), QString("Colores"));
        QCOMPARE(language->itemText(0), QString::fromUtf8("Catalán"));
        QCOMPARE(language->currentIndex(), 1);
        // The preview relabels its own buttons and title though the main window still shows Catalan.
        QCOMPARE(leave->text(), QString("(Esc) Cerrar"));
        QCOMPARE(settings->windowTitle(), QString::fromUtf8("Configuración del programa"));
        QCOMPARE(untouched->text(), QString("tal com es va dissenyar"));
        QCOMPARE(main.cfg0->text(), QString::fromUtf8("Configuració del programa..."));
    }

    void mainWindowMenusButtonsAndFrames() {
        MainWindow main;
        RaceState state;
        state.Settings.Language = 1;
        applyLanguage(state, &main.window);
        QCOMPARE(main.configMenu->title(), QString("Configuraciones"));
        QCOMPARE(main.cfg0->text(), QString::fromUtf8("Configuración del programa..."));
        QCOMPARE(main.close->text(), QString("(Esc) Cerrar"));
        QCOMPARE(main.frame3->title(), QString("SUPERPOLE"));
        QCOMPARE(QString::fromStdString(state.Msg[0][4]), QString::fromUtf8("¿Quieres crear la serie nº"));
    }

    void gridHeadersFromFormatStrings() {
        RaceState state;
        state.Settings.Language = 1;
        QWidget penalties;
        penalties.setObjectName("Penalitzacions");
        auto* grid = named<QTableWidget>(&penalties, "Quadre");
        grid->setColumnCount(3);
        applyLanguage(state, &penalties);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString::fromUtf8("Penalización"));
        QCOMPARE(grid->horizontalHeaderItem(1)->textAlignment() & Qt::AlignHorizontal_Mask,
                 int(Qt::AlignHCenter));
        QCOMPARE(grid->property("gridFormat").toString(),
                 QString::fromUtf8("<Participante|^Penalización|<Motivo(s)"));
        QCOMPARE(penalties.windowTitle(), QString("Penalizaciones en la carrera"));

        QWidget live;
        live.setObjectName("Classificacio");
        auto* view = named<QTableView>(&live, "InfoClass");
        QStandardItemModel model(0, 19);
        view->setModel(&model);
        auto* legend = named<QTableWidget>(&live, "Legenda");
        applyLanguage(state, &live);
        QCOMPARE(model.headerData(15, Qt::Horizontal).toString(), QString("Mejor"));
        QCOMPARE(legend->item(2, 0)->text(), QString("VR partic./manga"));
    }
};

QTEST_MAIN(ApplyLanguageWindowTest)
#include "apply_language_window_test.moc"
