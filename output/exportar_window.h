#pragma once
// The export window on screen: a folder tree, the file list of the mode's
// extension, the name field, the progress labels and bar. The job runs on
// the window's thread and hands the event loop a turn between blocks, so the
// window stays responsive and its cancel button works.

#include <QDialog>

#include "output/exportar.h"

class QCheckBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace sc {

class ExportarView : public QDialog {
    Q_OBJECT
public:
    ExportarView(RaceState& state, Prompter& prompter, ArchiveSource source, QWidget* parent = nullptr);

    Exportar& form() { return form_; }
    bool running() const { return running_; }
    void chooseFolder(const std::filesystem::path& folder);
    // Sortir(1) runs the job after the checks; Sortir(0) closes.
    void Sortir_Click(int index);
    // Stops a running job; its half result is removed.
    void cancel() { cancelled_ = true; }
    void reject() override;

private:
    void build();
    void renderFiles();
    bool showProgress(const ArchiveProgress& progress);

    Exportar form_;
    bool running_ = false;
    bool cancelled_ = false;
    QFileSystemModel* folders_ = nullptr;
    QTreeView* tree_ = nullptr;
    QListWidget* files_ = nullptr;
    QLineEdit* name_ = nullptr;
    QCheckBox* separate_ = nullptr;
    QLabel* infoArxiu_ = nullptr;
    QLabel* percent_ = nullptr;
    QLabel* infoTreball_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace sc
