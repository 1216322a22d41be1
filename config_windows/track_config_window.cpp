#include "config_windows/track_config_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "acquisition/qt_serial_port.h"
#include "config_windows/qt_config_widgets.h"

namespace sc {
namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& designText = {}) {
    auto* l = new QLabel(designText, parent);
    l->setObjectName(name);
    return l;
}

QComboBox* combo(QWidget* parent, const QString& name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

void showList(QComboBox* combo, const ListBox& list) {
    const QSignalBlocker block(combo);
    if (combo->count() != static_cast<int>(list.items.size())) {
        combo->clear();
        for (const auto& item : list.items) combo->addItem(QString::fromStdString(item));
    }
    combo->setCurrentIndex(list.index);
    combo->setEnabled(list.enabled);
}

void showBox(QLineEdit* edit, const TextBox& box) {
    setTextIfChanged(edit, box.text);
    edit->setEnabled(box.enabled);
}

}  // namespace

ConfiguracioPistaView::ConfiguracioPistaView(RaceState& state, Prompter& prompter, QWidget* parent)
    : ConfigDialog(state, prompter, parent) {
    setObjectName(QStringLiteral("ConfiguracioPista"));
    setUpConfigDialog(this);
    form_.setPortProbe(qtPortProbe(state.AppFolder));
    form_.Form_Load();
    auto* top = new QVBoxLayout(this);
    top->addWidget(buildWarning());
    top->addWidget(buildLanes());
    top->addWidget(buildComas());
    top->addWidget(buildConnections());
    top->addWidget(buildSectors());
    top->addWidget(buildButtons());
    render();
    relabel();
}

QLineEdit* ConfiguracioPistaView::field(QWidget* parent, const QString& name,
                                        void (ConfiguracioPista::*rule)(const std::string&),
                                        bool separators) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(110);
    acceptDigitsOnly(edit, separators);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, rule] {
        (form_.*rule)(edit->text().toStdString());
        render();
    });
    return edit;
}

QWidget* ConfiguracioPistaView::buildWarning() {
    warningFrame_ = new QFrame(this);
    warningFrame_->setObjectName(QStringLiteral("MarcAvis"));
    warningFrame_->setFrameShape(QFrame::Box);
    auto* box = new QVBoxLayout(warningFrame_);
    warning_ = label(warningFrame_, QStringLiteral("Avis"));
    warning_->setWordWrap(true);
    warning_->setCursor(Qt::PointingHandCursor);
    warning_->installEventFilter(this);
    QPalette palette = warning_->palette();
    palette.setColor(QPalette::WindowText, paletteQColor(4));
    warning_->setPalette(palette);
    box->addWidget(warning_);
    return warningFrame_;
}

QWidget* ConfiguracioPistaView::buildLanes() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    lanesLabel_ = label(panel, QStringLiteral("Text(17)"));
    lanes_ = field(panel, QStringLiteral("CfgNPistes"), &ConfiguracioPista::CfgNPistes_Change);
    laneRange_ = label(panel, QStringLiteral("RangPistes"));
    grid->addWidget(lanesLabel_, 0, 0);
    grid->addWidget(lanes_, 0, 1);
    grid->addWidget(laneRange_, 0, 2);

    rowLabel_ = label(panel, QStringLiteral("Text(1)"));
    rowArea_ = new QScrollArea(panel);
    rowArea_->setObjectName(QStringLiteral("RowCanvi"));
    rowArea_->horizontalScrollBar()->setObjectName(QStringLiteral("Barra"));
    rowArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rowArea_->setWidgetResizable(true);
    grid->addWidget(rowLabel_, 1, 0, 1, 3);
    grid->addWidget(rowArea_, 2, 0, 1, 4);

    grid->addWidget(label(panel, QStringLiteral("Text(18)")), 3, 0);
    minimum_ = field(panel, QStringLiteral("CfgMinim"), &ConfiguracioPista::CfgMinim_Change, true);
    grid->addWidget(minimum_, 3, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

void ConfiguracioPistaView::rebuildLaneRow() {
    const int lanes = form_.laneCount();
    if (static_cast<int>(laneBoxes_.size()) == lanes + 1) return;
    if (QWidget* old = rowArea_->takeWidget()) old->deleteLater();  // may hold the field being left
    row_ = new QWidget;
    auto* grid = new QGridLayout(row_);
    laneBoxes_.assign(static_cast<std::size_t>(lanes) + 1, nullptr);
    laneLabels_.assign(static_cast<std::size_t>(lanes) + 1, nullptr);
    for (int i = 1; i <= lanes; ++i) {
        auto* caption = label(row_, arrayObjectName("TxtCanvi", i), QString::number(i));
        caption->setAlignment(Qt::AlignCenter);
        auto* box = new QLineEdit(row_);
        box->setObjectName(arrayObjectName("CfgCanvi", i));
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
        box->setAlignment(Qt::AlignCenter);
        acceptDigitsOnly(box);
        connect(box, &QLineEdit::editingFinished, this, [this, box, i] {
            form_.CfgCanvi_Change(i, box->text().toStdString());
            render();
        });
        grid->addWidget(caption, 0, i - 1);
        grid->addWidget(box, 1, i - 1);
        laneLabels_[static_cast<std::size_t>(i)] = caption;
        laneBoxes_[static_cast<std::size_t>(i)] = box;
    }
    grid->setColumnStretch(lanes, 1);
    rowArea_->setWidget(row_);
    rowArea_->setMinimumHeight(row_->sizeHint().height() +
                               rowArea_->horizontalScrollBar()->sizeHint().height() + 4);
}

QWidget* ConfiguracioPistaView::buildComas() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("MarcComes"));
    auto* grid = new QGridLayout(frame);
    comaOption_ = combo(frame, QStringLiteral("OpComes"));
    connect(comaOption_, &QComboBox::activated, this, [this](int position) {
        form_.OpComes_Click(position);
        render();
    });
    largest_ = field(frame, QStringLiteral("CfgParcial"), &ConfiguracioPista::CfgParcial_Change);
    partials_ = field(frame, QStringLiteral("CfgQuants"), &ConfiguracioPista::CfgQuants_Change);
    step_ = field(frame, QStringLiteral("CfgCada"), &ConfiguracioPista::CfgCada_Change);
    grid->addWidget(comaOption_, 0, 0, 1, 2);
    grid->addWidget(label(frame, QStringLiteral("Text(19)")), 1, 0);
    grid->addWidget(largest_, 1, 1);
    grid->addWidget(label(frame, QStringLiteral("Text(36)")), 0, 2);
    grid->addWidget(partials_, 0, 3);
    grid->addWidget(label(frame, QStringLiteral("Text(37)")), 1, 2);
    grid->addWidget(step_, 1, 3);
    grid->setColumnStretch(4, 1);
    return frame;
}

QWidget* ConfiguracioPistaView::buildConnections() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label(panel, QStringLiteral("Text(27)")), 0, 0);
    connections_ = combo(panel, QStringLiteral("CfgNCircuits"));
    connect(connections_, &QComboBox::activated, this, [this](int position) {
        form_.CfgNCircuits_Click(position);
        render();
    });
    grid->addWidget(connections_, 0, 1);
    portSearch_ = new QPushButton(panel);
    portSearch_->setObjectName(QStringLiteral("TestCom"));
    portSearch_->setAutoDefault(false);
    // The search needs the serial ports; it stays off until a probe is handed to the form.
    connect(portSearch_, &QPushButton::clicked, this, [this] { form_.TestCom_Click(); });
    grid->addWidget(portSearch_, 0, 2, 1, 2);

    // The row labels sit in a borderless frame shaped like the connection frames, so they line up.
    auto* rowLabels = new QGroupBox(QStringLiteral(" "), panel);
    rowLabels->setFlat(true);
    auto* rows = new QVBoxLayout(rowLabels);
    rows->addWidget(label(rowLabels, QStringLiteral("Text(26)")), 1);
    rows->addWidget(label(rowLabels, QStringLiteral("Text(25)")), 1);
    grid->addWidget(rowLabels, 1, 0);
    for (int k = 1; k <= ConfiguracioPista::kMaxConnections; ++k) {
        circuits_[k] = new QGroupBox(panel);
        circuits_[k]->setObjectName(arrayObjectName("Circuit", k));
        auto* box = new QVBoxLayout(circuits_[k]);
        ports_[k] = combo(circuits_[k], arrayObjectName("PortNum", k));
        connect(ports_[k], &QComboBox::activated, this, [this, k](int position) {
            form_.PortNum_Click(k, position);
            render();
        });
        firstLanes_[k] = new QLineEdit(circuits_[k]);
        firstLanes_[k]->setObjectName(arrayObjectName("PrimeraPista", k));
        acceptDigitsOnly(firstLanes_[k]);
        connect(firstLanes_[k], &QLineEdit::editingFinished, this, [this, k] {
            form_.PrimeraPista_Change(k, firstLanes_[k]->text().toStdString());
            render();
        });
        box->addWidget(ports_[k]);
        box->addWidget(firstLanes_[k]);
        grid->addWidget(circuits_[k], 1, k);
    }
    grid->setColumnStretch(5, 1);
    return panel;
}

QWidget* ConfiguracioPistaView::buildSectors() {
    auto* panel = new QWidget(this);
    auto* box = new QVBoxLayout(panel);
    box->setContentsMargins(0, 0, 0, 0);
    auto* choice = new QHBoxLayout;
    splitLabel_ = label(panel, QStringLiteral("Text(28)"));
    split_ = combo(panel, QStringLiteral("Split"));
    connect(split_, &QComboBox::activated, this, [this](int position) {
        form_.Split_Click(position);
        render();
    });
    choice->addWidget(splitLabel_);
    choice->addWidget(split_);
    choice->addStretch();
    box->addLayout(choice);

    sectorsFrame_ = new QGroupBox(panel);
    sectorsFrame_->setObjectName(QStringLiteral("RecuadreParcials"));
    auto* form = new QFormLayout(sectorsFrame_);
    sectorCount_ =
        field(sectorsFrame_, QStringLiteral("CfgNParcials"), &ConfiguracioPista::CfgNParcials_Change);
    sectorLane_ = field(sectorsFrame_, QStringLiteral("CfgPstPar"), &ConfiguracioPista::CfgPstPar_Change);
    speedLane_ = field(sectorsFrame_, QStringLiteral("CfgPstVel"), &ConfiguracioPista::CfgPstVel_Change);
    speedDistance_ = field(sectorsFrame_, QStringLiteral("CfgDstVel"), &ConfiguracioPista::CfgDstVel_Change);
    form->addRow(label(sectorsFrame_, QStringLiteral("TextSectors"), QStringLiteral("N. de sectors:")),
                 sectorCount_);
    form->addRow(label(sectorsFrame_, QStringLiteral("Text(29)")), sectorLane_);
    form->addRow(label(sectorsFrame_, QStringLiteral("Text(30)")), speedLane_);
    form->addRow(label(sectorsFrame_, QStringLiteral("Text(31)")), speedDistance_);
    box->addWidget(sectorsFrame_);
    return panel;
}

QWidget* ConfiguracioPistaView::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    more_ = addMoreOptionsToggle(this, row, [this] {
        form_.MesOpcions_Click();
        render();
    });
    row->addStretch();
    auto* save = new QPushButton(panel);
    save->setObjectName(QStringLiteral("Sortir(1)"));
    auto* leave = new QPushButton(panel);
    leave->setObjectName(QStringLiteral("Sortir(0)"));
    for (QPushButton* b : {save, leave}) {
        b->setAutoDefault(false);  // Enter finishes a field; it does not save
        row->addWidget(b);
    }
    connect(save, &QPushButton::clicked, this, [this] {
        form_.Sortir_Click(ConfiguracioPista::kAcceptButton);
        if (form_.Closed) accept();
    });
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

void ConfiguracioPistaView::render() {
    warningFrame_->setVisible(form_.MarcAvis);
    showBox(lanes_, form_.CfgNPistes);
    lanesLabel_->setEnabled(form_.CfgNPistes.enabled);
    laneRange_->setEnabled(form_.CfgNPistes.enabled);
    laneRange_->setText(QString::fromStdString(form_.RangPistes));
    rebuildLaneRow();
    for (int i = 1; i <= form_.laneCount(); ++i) {
        showBox(laneBoxes_[static_cast<std::size_t>(i)], form_.CfgCanvi[static_cast<std::size_t>(i)]);
        laneLabels_[static_cast<std::size_t>(i)]->setEnabled(
            form_.CfgCanvi[static_cast<std::size_t>(i)].enabled);
    }
    showBox(minimum_, form_.CfgMinim);

    showList(comaOption_, form_.OpComes);
    const std::pair<QLineEdit*, const TextBox*> comaFields[] = {
        {largest_, &form_.CfgParcial}, {partials_, &form_.CfgQuants}, {step_, &form_.CfgCada}};
    for (const auto& [edit, box] : comaFields) showBox(edit, *box);
    for (const auto& [name, box] :
         {std::pair{"Text(19)", &form_.CfgParcial}, std::pair{"Text(36)", &form_.CfgQuants},
          std::pair{"Text(37)", &form_.CfgCada}})
        if (auto* l = findChild<QLabel*>(QString::fromLatin1(name))) l->setEnabled(box->enabled);

    showList(connections_, form_.CfgNCircuits);
    for (int k = 1; k <= ConfiguracioPista::kMaxConnections; ++k) {
        circuits_[k]->setVisible(form_.Circuit[k]);
        showList(ports_[k], form_.PortNum[k]);
        showBox(firstLanes_[k], form_.PrimeraPista[k]);
    }
    portSearch_->setEnabled(form_.TestComEnabled);

    const bool sectorsShown = sectorsFrame_->isVisibleTo(this);
    for (QWidget* w : std::initializer_list<QWidget*>{splitLabel_, split_, sectorsFrame_})
        w->setVisible(form_.Split.visible);
    showList(split_, form_.Split);
    showBox(sectorCount_, form_.CfgNParcials);
    showBox(sectorLane_, form_.CfgPstPar);
    showBox(speedLane_, form_.CfgPstVel);
    showBox(speedDistance_, form_.CfgDstVel);
    more_->setChecked(form_.Split.visible);
    if (sectorsShown != form_.Split.visible) adjustSize();
}

bool ConfiguracioPistaView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == warning_ && event->type() == QEvent::MouseButtonPress) {
        form_.Avis_Click();
        render();
        return true;
    }
    // The wrapped warning claims the height its lines need at the width it got, so
    // the window grows instead of laying the lane boxes under the next label.
    if (watched == warning_ && event->type() == QEvent::Resize) {
        const int needed = warning_->heightForWidth(warning_->width());
        if (needed > 0 && warning_->minimumHeight() != needed) {
            warning_->setMinimumHeight(needed);
            if (height() < minimumSizeHint().height()) resize(width(), minimumSizeHint().height());
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace sc
