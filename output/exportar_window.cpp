#include "output/exportar_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

#include "config_windows/qt_config_widgets.h"

namespace sc {
namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ExportarView::ExportarView(RaceState& state, Prompter& prompter, ArchiveSource source, QWidget* parent)
    : QDialog(parent), form_(state, prompter, std::move(source)) {
    setObjectName(QStringLiteral("Exportar"));
    setUpConfigDialog(this);
    build();
    applyWindowLanguage(state, this);
    chooseFolder(state.AppFolder);
}

void ExportarView::build() {
    auto* top = new QVBoxLayout(this);
    top->addWidget(named(new QLabel(QStringLiteral("Gravar a:"), this), "Text(0)"));
    auto* choice = new QHBoxLayout;
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QString());
    tree_ = named(new QTreeView(this), "Carpetes");
    tree_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setMinimumSize(360, 280);
    choice->addWidget(tree_, 3);
    files_ = named(new QListWidget(this), "Fitxers");
    choice->addWidget(files_, 2);
    top->addLayout(choice);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(named(new QLabel(QStringLiteral("Nom de l'arxiu:"), this), "Text(1)"));
    name_ = named(new QLineEdit(this), "NomArxiu");
    nameRow->addWidget(name_, 1);
    top->addLayout(nameRow);
    separate_ =
        named(new QCheckBox(QStringLiteral("Voltes i V.Ràpides en quadrants separats"), this), "QuaSep");
    separate_->setVisible(form_.mode() == kModeTextExport);
    top->addWidget(separate_);

    infoArxiu_ = named(new QLabel(this), "InfoArxiu");
    percent_ = named(new QLabel(this), "Percent");
    infoTreball_ = named(new QLabel(this), "InfoTreball");
    bar_ = named(new QProgressBar(this), "Progres");
    bar_->setTextVisible(false);
    // An empty bar looks like a box to type in: it shows while a job runs, its room kept.
    QSizePolicy keepRoom = bar_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    bar_->setSizePolicy(keepRoom);
    bar_->setVisible(false);
    top->addWidget(infoArxiu_);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(bar_, 1);
    progressRow->addWidget(percent_);
    top->addLayout(progressRow);
    top->addWidget(infoTreball_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = addSortirButton(this, buttons, 1, [this](int i) { Sortir_Click(i); });
    ok_->setText(QStringLiteral("D'acord"));
    ok_->setDefault(true);
    ok_->setEnabled(form_.canRun());
    cancel_ = named(new QPushButton(QStringLiteral("Cancel·lar"), this), "Cancellar");
    cancel_->setVisible(false);
    buttons->addWidget(cancel_);
    close_ = addSortirButton(this, buttons, 0, [this](int i) { Sortir_Click(i); });
    top->addLayout(buttons);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                form_.Carpetes_Change(folders_->filePath(index).toStdString());
                renderFiles();
            });
    connect(files_, &QListWidget::currentRowChanged, this, [this](int row) {
        form_.Fitxers_Click(row);
        name_->setText(qs(form_.NomArxiu));
    });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this] { Sortir_Click(1); });
    connect(name_, &QLineEdit::editingFinished, this, [this] {
        form_.NomArxiu = name_->text().toStdString();
        form_.NomArxiu_LostFocus();
        setTextIfChanged(name_, form_.NomArxiu);
    });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel(); });
}

void ExportarView::chooseFolder(const std::filesystem::path& folder) {
    const QModelIndex index = folders_->index(QString::fromStdString(folder.string()));
    if (index.isValid()) {
        const QSignalBlocker block(tree_->selectionModel());
        tree_->setCurrentIndex(index);
        tree_->scrollTo(index);
    }
    form_.Carpetes_Change(folder);
    renderFiles();
}

void ExportarView::renderFiles() {
    const QSignalBlocker block(files_);
    files_->clear();
    for (const std::string& name : form_.Fitxers) files_->addItem(qs(name));
}

bool ExportarView::showProgress(const ArchiveProgress& progress) {
    infoArxiu_->setText(qs(progress.InfoArxiu));
    percent_->setText(qs(progress.percent()));
    infoTreball_->setText(qs(progress.InfoTreball));
    bar_->setRange(0, std::max(progress.files, 1));
    bar_->setValue(progress.file);
    QCoreApplication::processEvents();
    return !cancelled_;
}

void ExportarView::Sortir_Click(int index) {
    if (running_) return;
    if (index != 1) {
        QDialog::reject();
        return;
    }
    form_.NomArxiu = name_->text().toStdString();
    form_.QuaSep = separate_->isChecked();
    const bool go = form_.accept();
    setTextIfChanged(name_, form_.NomArxiu);
    if (!go) return;
    running_ = true;
    cancelled_ = false;
    for (QWidget* w : std::initializer_list<QWidget*>{ok_, close_, tree_, files_, name_, separate_})
        w->setEnabled(false);
    cancel_->setVisible(true);
    bar_->setVisible(true);
    const ArchiveOutcome outcome = form_.run([this](const ArchiveProgress& p) { return showProgress(p); });
    running_ = false;
    cancel_->setVisible(false);
    bar_->setVisible(false);
    for (QWidget* w : std::initializer_list<QWidget*>{ok_, close_, tree_, files_, name_, separate_})
        w->setEnabled(true);
    if (outcome.ok()) {
        accept();
        return;
    }
    bar_->setValue(0);
    form_.Carpetes_Change(form_.folder);
    renderFiles();
}

void ExportarView::reject() {
    // Esc or the title bar's close during a job cancels the job first.
    if (running_) {
        cancel();
        return;
    }
    QDialog::reject();
}

}  // namespace sc
