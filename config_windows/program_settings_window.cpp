#include "config_windows/program_settings_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "config_windows/qt_config_widgets.h"

namespace sc {
namespace {

QLabel* label(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

QIcon swatchIcon(int code) {
    QPixmap pixmap(16, 16);
    pixmap.fill(paletteQColor(code));
    return QIcon(pixmap);
}

void fillCombo(QComboBox* combo, const ListBox& list, bool withSwatches = false) {
    const QSignalBlocker block(combo);
    if (combo->count() != static_cast<int>(list.items.size())) {
        combo->clear();
        for (std::size_t i = 0; i < list.items.size(); ++i) combo->addItem(QString());
    }
    for (int i = 0; i < combo->count(); ++i) {
        combo->setItemText(i, QString::fromStdString(list.items[static_cast<std::size_t>(i)]));
        if (withSwatches) combo->setItemIcon(i, swatchIcon(i));
    }
    combo->setCurrentIndex(list.index);
    combo->setEnabled(list.enabled);
}

}  // namespace

ConfiguracioPrgView::ConfiguracioPrgView(RaceState& state, Prompter& prompter, QWidget* parent)
    : ConfigDialog(state, prompter, parent) {
    setObjectName(QStringLiteral("ConfiguracioPrg"));
    setUpConfigDialog(this);
    form_.Form_Load();
    build();
    connectActions();
    render();
    relabel();
}

void ConfiguracioPrgView::build() {
    auto* top = new QVBoxLayout(this);
    // A first start explains what this window is for.
    auto* purpose = label(this, QStringLiteral("Explicacio"));
    purpose->setWordWrap(true);
    top->addWidget(purpose);
    auto* general = new QFormLayout;
    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("LlIdioma"));
    hardware_ = new QComboBox(this);
    hardware_->setObjectName(QStringLiteral("Hardware"));
    general->addRow(label(this, QStringLiteral("Text(0)")), language_);
    general->addRow(label(this, QStringLiteral("Text(1)")), hardware_);
    top->addLayout(general);
    top->addWidget(buildColours());
    top->addWidget(buildComas());
    top->addWidget(buildAutoScroll());

    auto* buttons = new QHBoxLayout;
    more_ = addMoreOptionsToggle(this, buttons, [this] {
        form_.MesOpcions_Click();
        render();
    });
    buttons->addStretch();
    leave_ = new QPushButton(this);
    leave_->setObjectName(QStringLiteral("Sortir(0)"));
    save_ = new QPushButton(this);
    save_->setObjectName(QStringLiteral("Sortir(1)"));
    for (QPushButton* b : {save_, leave_}) {
        b->setAutoDefault(false);  // Enter finishes a field; it does not save
        buttons->addWidget(b);
    }
    top->addLayout(buttons);
}

QWidget* ConfiguracioPrgView::buildColours() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("RecuadreColors"));
    auto* grid = new QGridLayout(frame);
    for (int i = 1; i <= ConfiguracioPrg::kColourItems; ++i) {
        grid->addWidget(label(frame, arrayObjectName("Descripcio", i)), i, 0);
        colours_[i] = new QComboBox(frame);
        colours_[i]->setObjectName(arrayObjectName("ValorColor", i));
        grid->addWidget(colours_[i], i, 1);
        swatches_[i] = label(frame, arrayObjectName("Mostra", i));
        swatches_[i]->setMinimumSize(48, 24);
        swatches_[i]->setFrameShape(QFrame::Box);
        swatches_[i]->setAutoFillBackground(true);
        grid->addWidget(swatches_[i], i, 2);
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* ConfiguracioPrgView::buildComas() {
    comasFrame_ = new QGroupBox(this);
    comasFrame_->setObjectName(QStringLiteral("DemanarComes"));
    auto* box = new QVBoxLayout(comasFrame_);
    auto* group = new QButtonGroup(comasFrame_);
    for (int i = 0; i < 3; ++i) {
        comaOptions_[i] = new QRadioButton(comasFrame_);
        comaOptions_[i]->setObjectName(arrayObjectName("OpcioComes", i));
        group->addButton(comaOptions_[i], i);
    }
    comaPass_ = new QLineEdit(comasFrame_);
    comaPass_->setObjectName(QStringLiteral("MngComes"));
    comaPass_->setMaximumWidth(100);
    box->addWidget(comaOptions_[0]);
    box->addWidget(comaOptions_[1]);
    auto* atPass = new QHBoxLayout;
    atPass->addWidget(comaOptions_[2]);
    atPass->addWidget(comaPass_);
    atPass->addStretch();
    box->addLayout(atPass);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        form_.OpcioComes_Click(id);
        render();
    });
    return comasFrame_;
}

QWidget* ConfiguracioPrgView::buildAutoScroll() {
    scrollFrame_ = new QGroupBox(this);
    scrollFrame_->setObjectName(QStringLiteral("AutoScroll"));
    auto* row = new QHBoxLayout(scrollFrame_);
    auto* group = new QButtonGroup(scrollFrame_);
    for (int i = 0; i < 2; ++i) {
        scrollOptions_[i] = new QRadioButton(scrollFrame_);
        scrollOptions_[i]->setObjectName(arrayObjectName("OpcioAutoScroll", i));
        group->addButton(scrollOptions_[i], i);
        row->addWidget(scrollOptions_[i]);
    }
    scrollSeconds_ = new QLineEdit(scrollFrame_);
    scrollSeconds_->setObjectName(QStringLiteral("TempsScroll"));
    scrollSeconds_->setMaximumWidth(100);
    secondsLabel_ = label(scrollFrame_, QStringLiteral("Text(3)"));
    row->addWidget(scrollSeconds_);
    row->addWidget(secondsLabel_);
    row->addStretch();
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        form_.OpcioAutoScroll_Click(id);
        render();
    });
    return scrollFrame_;
}

void ConfiguracioPrgView::connectActions() {
    connect(language_, &QComboBox::activated, this, [this](int position) {
        form_.LlIdioma_Click(position);
        render();
        relabel();  // the preview
    });
    connect(hardware_, &QComboBox::activated, this, [this](int position) { form_.Hardware_Click(position); });
    for (int i = 1; i <= ConfiguracioPrg::kColourItems; ++i) {
        connect(colours_[i], &QComboBox::activated, this, [this, i](int position) {
            form_.ValorColor_Click(i, position);
            render();
        });
    }
    connect(comaPass_, &QLineEdit::editingFinished, this, [this] {
        form_.MngComes_Change(comaPass_->text().toStdString());
        render();
    });
    connect(scrollSeconds_, &QLineEdit::editingFinished, this, [this] {
        form_.TempsScroll_Change(scrollSeconds_->text().toStdString());
        render();
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        form_.Sortir_Click(ConfiguracioPrg::kAcceptButton);
        if (form_.Closed) accept();
    });
    connect(leave_, &QPushButton::clicked, this, &QDialog::reject);
}

void ConfiguracioPrgView::render() {
    fillCombo(language_, form_.LlIdioma);
    fillCombo(hardware_, form_.Hardware);
    for (int i = 1; i <= ConfiguracioPrg::kColourItems; ++i) {
        fillCombo(colours_[i], form_.ValorColor[i], true);
        QPalette palette = swatches_[i]->palette();
        palette.setColor(QPalette::Window, paletteQColor(form_.swatchColour(i)));
        swatches_[i]->setPalette(palette);
    }
    comaOptions_[static_cast<std::size_t>(form_.OpcioComes.value)]->setChecked(true);
    setTextIfChanged(comaPass_, form_.MngComes.text);
    comaPass_->setEnabled(form_.MngComes.enabled);
    scrollOptions_[static_cast<std::size_t>(form_.OpcioAutoScroll.value)]->setChecked(true);
    setTextIfChanged(scrollSeconds_, form_.TempsScroll.text);
    scrollSeconds_->setEnabled(form_.TempsScroll.enabled);
    secondsLabel_->setEnabled(form_.TempsScroll.enabled);

    // The two frames sit below the visible part until Shift opens the window out.
    const bool wasShown = comasFrame_->isVisibleTo(this);
    for (QGroupBox* frame : {comasFrame_, scrollFrame_}) {
        frame->setVisible(form_.Enlarged);
        frame->setEnabled(form_.FramesEnabled);
    }
    more_->setChecked(form_.Enlarged);
    if (wasShown != form_.Enlarged) adjustSize();
}

}  // namespace sc
