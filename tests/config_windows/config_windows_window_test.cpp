// The configuration windows on screen: language preview and undo, the Shift
// reveals, the lock of a race whose heats have run, and the message boxes.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>

#include "config_test_helpers.h"
#include "config_windows/program_settings_window.h"
#include "config_windows/qt_prompter.h"
#include "config_windows/track_config_window.h"
#include "core/race_store.h"
#include "window_child.h"

using namespace sc;

namespace {
using sc::test::child;

void type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);  // finishes the field
}

void waitForFirstPaint(QWidget& window, const bool& opening) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(!opening);
}

// Runs `answer` on the next message box once its event loop is running.
void onNextBox(std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) answer(*box);
    });
}

}  // namespace

class ConfigWindowsTest : public QObject {
    Q_OBJECT

    std::optional<test::ProgramFolder> folder;
    RaceState state;
    QueuedPrompter prompter;

private slots:
    void init() {
        folder.emplace();
        state = folder->state();
    }

    void programSettings_LanguagePreviewRelabelsSwatchFollowsColourAndEscUndoesBoth() {
        ConfiguracioPrgView view(state, prompter);
        QCOMPARE(child<QLabel>(view, "Text(1)")->text(), QStringLiteral("Comptavoltes:"));
        QLabel* swatch = child<QLabel>(view, "Mostra(2)");
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(0, 255, 0));  // light green
        auto* colour = child<QComboBox>(view, "ValorColor(2)");
        colour->setCurrentIndex(14);
        emit colour->activated(14);
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(255, 255, 0));

        auto* language = child<QComboBox>(view, "LlIdioma");
        language->setCurrentIndex(1);
        emit language->activated(1);
        // Which texts change is tested in localisation/; here, that the choice relabels at once.
        QCOMPARE(child<QLabel>(view, "Text(1)")->text(), QStringLiteral("Cuentavueltas:"));
        QCOMPARE(view.windowTitle(), QStringLiteral("Configuración del programa"));

        view.show();
        QTest::keyClick(&view, Qt::Key_Escape);
        QCOMPARE(view.result(), int(QDialog::Rejected));
        QCOMPARE(state.Settings.Language, int16_t{0});
        QCOMPARE(state.Settings.Colours[2], int16_t{10});
        QVERIFY(!std::filesystem::exists(folder->path() / kSettingsFileName));
    }

    void programSettings_ShiftWhileOpeningRevealsTheFramesWhoseScrollSecondsAreSaved() {
        ConfiguracioPrgView view(state, prompter);
        view.show();
        QTest::keyPress(&view, Qt::Key_Shift);  // before the first paint
        QVERIFY(child<QGroupBox>(view, "DemanarComes")->isVisible());
        QVERIFY(child<QGroupBox>(view, "AutoScroll")->isEnabled());

        QVERIFY(!child<QLineEdit>(view, "TempsScroll")->isEnabled());  // option "No" still on
        QTest::mouseClick(child<QRadioButton>(view, "OpcioAutoScroll(1)"), Qt::LeftButton);
        auto* seconds = child<QLineEdit>(view, "TempsScroll");
        QVERIFY(seconds->isEnabled());
        type(seconds, QStringLiteral("-7.8"));
        QCOMPARE(seconds->text(), QStringLiteral("7"));  // the file's layout: program_settings_form_test
        QTest::mouseClick(child<QPushButton>(view, "Sortir(1)"), Qt::LeftButton);
        QCOMPARE(test::integersAt(test::fileBytes(folder->path() / kSettingsFileName), 6),
                 std::vector<int16_t>{7});
    }

    // After the first paint Shift does nothing; the settings behind it are one
    // visible click away, in both windows, and back.
    void moreOptions_RevealsWhatShiftRevealsAfterOpening() {
        ConfiguracioPrgView settings(state, prompter);
        waitForFirstPaint(settings, settings.form().Opening);
        QTest::keyPress(&settings, Qt::Key_Shift);
        QVERIFY(!child<QGroupBox>(settings, "DemanarComes")->isVisible());
        QVERIFY(!child<QGroupBox>(settings, "AutoScroll")->isEnabled());
        auto* more = child<QPushButton>(settings, "MesOpcions");
        QCOMPARE(more->text(), QString::fromUtf8("Més opcions"));
        QTest::mouseClick(more, Qt::LeftButton);
        QVERIFY(more->isChecked());
        QVERIFY(child<QGroupBox>(settings, "DemanarComes")->isVisible());
        QVERIFY(child<QGroupBox>(settings, "AutoScroll")->isEnabled());
        QTest::mouseClick(more, Qt::LeftButton);
        QVERIFY(!child<QGroupBox>(settings, "DemanarComes")->isVisible());
        QVERIFY(!child<QLabel>(settings, "Explicacio")->text().isEmpty());  // says what the window is for

        ConfiguracioPistaView track(state, prompter);
        waitForFirstPaint(track, track.form().Opening);
        QTest::keyPress(&track, Qt::Key_Shift);
        QVERIFY(!child<QComboBox>(track, "Split")->isVisible());
        QTest::mouseClick(child<QPushButton>(track, "MesOpcions"), Qt::LeftButton);
        QVERIFY(child<QComboBox>(track, "Split")->isVisible());
    }

    void trackConfig_RaceWithHeatsRunLocksTheLanesUntilTheWarningIsClicked() {
        const auto race = folder->race(state, {0, 0, 0, 1}, "Copa");
        QVERIFY(writeParticipantList(race / "CRS001.PAR", ParticipantList{2, {"Anna"}}));
        ConfiguracioPistaView view(state, prompter);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.windowTitle(), QStringLiteral("Configuració circuit/prova: Copa"));
        QVERIFY(child<QFrame>(view, "MarcAvis")->isVisible());
        QVERIFY(!child<QLineEdit>(view, "CfgNPistes")->isEnabled());
        QVERIFY(!child<QLineEdit>(view, "CfgCanvi(1)")->isEnabled());
        QVERIFY(!child<QLabel>(view, "TxtCanvi(1)")->isEnabled());

        QTest::mouseClick(child<QLabel>(view, "Avis"), Qt::LeftButton);
        QVERIFY(!child<QFrame>(view, "MarcAvis")->isVisible());
        QVERIFY(child<QLineEdit>(view, "CfgCanvi(1)")->isEnabled());
        QVERIFY(!child<QLineEdit>(view, "CfgNPistes")->isEnabled());

        view.reject();
        QCOMPARE(state.WorkingFolder, state.AppFolder);
    }

    void trackConfig_ShiftWhileOpeningRevealsSectors_TypedLaneCountRebuildsTheRowAndSaves() {
        ConfiguracioPistaView view(state, prompter);
        view.show();
        QVERIFY(!child<QComboBox>(view, "Split")->isVisible());
        QTest::keyPress(&view, Qt::Key_Shift);  // before the first paint
        QVERIFY(child<QComboBox>(view, "Split")->isVisible());
        QVERIFY(child<QGroupBox>(view, "RecuadreParcials")->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(child<QPushButton>(view, "TestCom")->isEnabled());
        type(child<QLineEdit>(view, "CfgNPistes"), QStringLiteral("70"));
        QCOMPARE(child<QLineEdit>(view, "CfgNPistes")->text(), QStringLiteral("64"));
        QTRY_VERIFY(view.findChild<QLineEdit*>(QStringLiteral("CfgCanvi(5)")) != nullptr);
        QCOMPARE(child<QLineEdit>(view, "CfgCanvi(64)")->text(), QStringLiteral("64"));
        QVERIFY(view.findChild<QScrollBar*>(QStringLiteral("Barra")) != nullptr);

        type(child<QLineEdit>(view, "CfgCanvi(3)"), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(view, "CfgCanvi(1)")->text(), QStringLiteral("3"));

        QTest::mouseClick(child<QPushButton>(view, "Sortir(1)"), Qt::LeftButton);
        QCOMPARE(view.result(), int(QDialog::Accepted));
        const Bytes data = test::fileBytes(folder->path() / kTrackFileName);
        QCOMPARE(test::integersAt(data, 29, 4), (std::vector<int16_t>{64, 3, 2, 1}));  // lanes, then the row
    }

    // A box is as wide as its text: a longer title, drawn bold and larger by the window
    // manager beside its icon and buttons (about 140 px), widens it.
    void qtPrompter_BoxWideEnoughForItsTitle() {
        const QString title = QString::fromUtf8("El programa s'ha tancat involuntàriament");
        int width = 0, boldTitle = 0;
        onNextBox([&](QMessageBox& box) {
            QFont bold = box.font();
            bold.setBold(true);
            boldTitle = QFontMetrics(bold).horizontalAdvance(title);
            width = box.width();
            box.button(QMessageBox::No)->click();
        });
        QtPrompter().ask({"Vols recuperar?", title.toStdString(), {Button::Yes, Button::No}, Button::No});
        QVERIFY2(width >= boldTitle * 6 / 5 + 140,
                 qPrintable(QStringLiteral("%1 %2").arg(width).arg(boldTitle)));
    }

    // Qt's own English texts never reach the screen, in either language.
    void qtPrompter_ButtonsInTheProgramsLanguage() {
        const struct {
            int16_t language;
            QStringList texts;
        } cases[] = {
            {0,
             {QString::fromUtf8("D'acord"), QString::fromUtf8("Cancel·la"), QString::fromUtf8("Sí"), "No",
              "Reintenta"}},
            {1, {"Aceptar", "Cancelar", QString::fromUtf8("Sí"), "No", "Reintentar"}},
        };
        for (const auto& c : cases) {
            QStringList shown;
            onNextBox([&shown](QMessageBox& box) {
                for (auto b : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No,
                               QMessageBox::Retry})
                    shown << box.button(b)->text();
                box.button(QMessageBox::No)->click();  // neither the default nor the escape button
            });
            const Button answer =
                QtPrompter(nullptr, &c.language)
                    .ask({"?", "", {Button::Ok, Button::Cancel, Button::Yes, Button::No, Button::Retry}});
            QCOMPARE(answer, Button::No);
            QCOMPARE(shown, c.texts);
        }
    }
};

QTEST_MAIN(ConfigWindowsTest)
#include "config_windows_window_test.moc"
