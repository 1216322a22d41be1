// The main window's race commands: new race, new series, the race manager and
// the participant lists. The rules live in app/portada_commands and organisation/.

#include <QAction>
#include <QPushButton>

#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app/portada_commands.h"
#include "app/race_series_command.h"
#include "organisation/entrants_window.h"
#include "organisation/race_data_window.h"
#include "organisation/race_manager_window.h"
#include "output/exportar_window.h"

namespace sc {
namespace {

constexpr int kRaceModality = 4;

QString indexedName(const char* name, int index) {
    return index < 0 ? QString(name) : QStringLiteral("%1(%2)").arg(name).arg(index);
}

}  // namespace

void PortadaView::wireRaceCommands() {
    auto on = [this](const QString& name, const std::function<void()>& run) {
        if (auto* action = findChild<QAction*>(name)) connect(action, &QAction::triggered, this, run);
        if (auto* button = findChild<QPushButton*>(name)) connect(button, &QPushButton::clicked, this, run);
    };
    on("MnuNovaProva", [this] { openNewRace(); });
    on("MnuGestor", [this] { openRaceManager(); });
    on("MnuIns100", [this] { openEntrants(100); });
    on(indexedName("BotoIns", 100), [this] { openEntrants(100); });
    for (int m = 0; m <= 4; ++m) on(indexedName("MnuIns", m), [this, m] { openEntrants(m); });
    for (int m = 1; m <= 4; ++m) on(indexedName("BotoIns", m), [this, m] { openEntrants(m); });
    for (int m = 1; m <= 4; ++m) {
        auto addSeries = [this, m] {
            if (m == kRaceModality)
                MnuNouCursa_Click(portada_, state_, prompter_, [this] {
                    showState();
                    heatMode_->open(kRaceModality);
                });
            else
                MnuNou_Click(portada_, state_, prompter_, m);
            showState();
        };
        on(indexedName("MnuNou", m), addSeries);
        on(indexedName("BotoNou", m), addSeries);
    }
}

void PortadaView::updateRaceCommandStates() {
    const bool idle = !(heatMode_ && heatMode_->programme().ui.heatMode);
    auto enable = [this](const QString& name, bool on) {
        if (auto* action = findChild<QAction*>(name)) action->setEnabled(on);
        if (auto* button = findChild<QPushButton*>(name)) button->setEnabled(on);
    };
    const bool race = idle && portada_.raceControlsEnabled;
    enable("MnuNovaProva", idle);
    enable("MnuGestor", idle);
    enable("MnuIns100", idle);
    enable(indexedName("BotoIns", 100), idle);
    enable(indexedName("MnuIns", 0), race);
    for (int m = 1; m <= 4; ++m) {
        enable(indexedName("MnuNou", m), race);
        enable(indexedName("BotoNou", m), race);
        const bool series = race && portada_.modalityEnabled[m];
        enable(indexedName("MnuIns", m), series);
        enable(indexedName("BotoIns", m), series);
    }
}

void PortadaView::openNewRace() {
    state_.ModeCorregir = 0;
    NovaProvaView window(state_, prompter_, this);
    window.onAccept = [this](NovaProva& form) { return acceptNewRace(portada_, form); };
    window.exec();
    showState();
}

void PortadaView::openRaceManager() {
    {
        GestorProvesView window(state_, prompter_, this);
        window.form().OpenArchive = [this, &window](int) {
            GestorProves& manager = window.form();
            ExportarView archive(state_, prompter_, {manager.selectedRaceFolder(), manager.Fitxers}, &window);
            archive.exec();
            return archive.form().raceAdded;
        };
        window.render();
        window.exec();
    }
    afterRaceManager(portada_, state_);
    showState();
}

void PortadaView::openEntrants(int modality) {
    auto show = [this](Inscrits& form) {
        InscritsView window(state_, form, this);
        window.exec();
    };
    if (modality == 100)
        MnuIns100_Click(state_, prompter_, show);
    else
        MnuIns_Click(portada_, state_, prompter_, modality, show);
    showState();
}

}  // namespace sc
