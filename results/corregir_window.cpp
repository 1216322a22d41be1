#include "results/corregir_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "config_windows/qt_config_widgets.h"

namespace sc {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

template <typename W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

void ComaPictureLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked(event->position().toPoint());
}

void ComaPictureLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked(event->position().toPoint());
}

CorregirView::CorregirView(RaceState& state, StandingsEngine& live, HeatResultsStore& liveStore,
                           Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(state, live, liveStore, prompter) {
    setObjectName(QStringLiteral("Corregir"));
    setUpConfigDialog(this);
    form_.Form_Load();
    build();
    applyWindowLanguage(state, this);
    renderRows();
    if (form_.focusRow >= 0) focusValueBox(form_.focusRow);
}

void CorregirView::build() {
    auto* top = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* heatRow = new QHBoxLayout;
    heatRow->addWidget(named(new QLabel(QStringLiteral("Màniga Nº"), this), QStringLiteral("Text(0)")));
    heats_ = named(new QComboBox(this), QStringLiteral("SelManiga"));
    for (const std::string& heat : form_.SelManiga) heats_->addItem(qs(heat));
    heats_->setCurrentIndex(form_.SelManigaIndex);
    heatRow->addWidget(heats_);
    heatRow->addStretch();
    left->addLayout(heatRow);

    auto* rowsWidget = named(new QWidget(this), QStringLiteral("Marc"));
    auto* grid = new QGridLayout(rowsWidget);
    const char* headers[] = {"Pista", "Participant", "Voltes", form_.comasMode() ? "Coma" : "V.Ràpida"};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(
            named(new QLabel(QString::fromUtf8(headers[c]), rowsWidget), arrayObjectName("Text", c + 1)), 0,
            c);
    for (int i = 0; i < static_cast<int>(form_.rows.size()); ++i) {
        np_.push_back(named(new QLabel(rowsWidget), arrayObjectName("NP", i + 1)));
        eq_.push_back(named(new QLineEdit(rowsWidget), arrayObjectName("EQ", i + 1)));
        nv_.push_back(named(new QLineEdit(rowsWidget), arrayObjectName("NV", i + 1)));
        vr_.push_back(named(new QLineEdit(rowsWidget), arrayObjectName("VR", i + 1)));
        eq_.back()->setReadOnly(true);
        eq_.back()->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(np_.back(), i + 1, 0);
        grid->addWidget(eq_.back(), i + 1, 1);
        grid->addWidget(nv_.back(), i + 1, 2);
        grid->addWidget(vr_.back(), i + 1, 3);
        for (QLineEdit* box : {nv_.back(), vr_.back()}) {
            box->installEventFilter(this);
            connect(box, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
        }
        QLineEdit* value = vr_.back();
        connect(value, &QLineEdit::textEdited, this, [this, i, value] {
            form_.rows[static_cast<std::size_t>(i)].VR = value->text().toStdString();
            form_.VR_Change(i);
            renderPicture();
        });
    }
    for (std::size_t i = 0; i < nv_.size(); ++i) {  // Tab and Enter: down the rows, laps then value
        if (i > 0) setTabOrder(vr_[i - 1], nv_[i]);
        setTabOrder(nv_[i], vr_[i]);
    }
    grid->setRowStretch(static_cast<int>(form_.rows.size()) + 1, 1);
    frame_ = new QScrollArea(this);
    frame_->setWidget(rowsWidget);
    frame_->setWidgetResizable(true);
    frame_->setMinimumWidth(rowsWidget->sizeHint().width() + 30);
    frame_->verticalScrollBar()->setObjectName(QStringLiteral("Barra"));
    left->addWidget(frame_, 1);

    auto* buttons = new QHBoxLayout;
    auto click = [this](int index) { Sortir_Click(index); };
    addSortirButton(this, buttons, 1, click)->setText(QStringLiteral("&Gravar"));
    addSortirButton(this, buttons, 0, click)->setText(QStringLiteral("(Esc) Tancar"));
    auto* exportButton = named(new QPushButton(QStringLiteral("Exp Cms"), this), QStringLiteral("ExpCom"));
    buttons->addWidget(exportButton);
    for (auto* b : findChildren<QPushButton*>()) b->setAutoDefault(false);  // Enter belongs to the boxes
    left->addLayout(buttons);
    top->addLayout(left);

    picture_ = named(new ComaPictureLabel(this), QStringLiteral("GraficComes"));
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    top->addWidget(picture_, 0, Qt::AlignTop);
    renderPicture();

    connect(heats_, &QComboBox::currentIndexChanged, this, [this](int index) {
        form_.SelManiga_Click(index);
        renderRows();
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        takeBoxes();
        form_.ExpCom_Click();
    });
    connect(picture_, &ComaPictureLabel::clicked, this, [this](QPoint p) { pictureClicked(p, false); });
    connect(picture_, &ComaPictureLabel::doubleClicked, this, [this](QPoint p) { pictureClicked(p, true); });
}

void CorregirView::renderRows() {
    for (std::size_t i = 0; i < nv_.size(); ++i) {
        const CorregirRow* row = i < form_.rows.size() ? &form_.rows[i] : nullptr;
        np_[i]->setText(row ? QString::number(row->lane) : QString());
        eq_[i]->setText(row ? qs(row->EQ) : QString());
        setTextIfChanged(nv_[i], row ? row->NV : "");
        setTextIfChanged(vr_[i], row ? row->VR : "");
        nv_[i]->setEnabled(row && row->enabled);
        vr_[i]->setEnabled(row && row->enabled);
    }
    renderPicture();
}

void CorregirView::renderPicture() {
    QPixmap pixmap(qs(form_.picture.string()));
    picture_->setPixmap(pixmap);
    if (pixmap.isNull()) picture_->clear();
}

void CorregirView::takeBoxes() {
    for (std::size_t i = 0; i < form_.rows.size() && i < nv_.size(); ++i) {
        form_.rows[i].NV = nv_[i]->text().toStdString();
        form_.rows[i].VR = vr_[i]->text().toStdString();
    }
}

void CorregirView::focusValueBox(int row) {
    if (row < 0 || row >= static_cast<int>(vr_.size())) return;
    vr_[static_cast<std::size_t>(row)]->setFocus();
    vr_[static_cast<std::size_t>(row)]->selectAll();
}

bool CorregirView::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut))
        return QDialog::eventFilter(watched, event);
    const bool laps = std::find(nv_.begin(), nv_.end(), box) != nv_.end();
    const auto& boxes = laps ? nv_ : vr_;
    const int i = static_cast<int>(std::find(boxes.begin(), boxes.end(), box) - boxes.begin());
    if (i >= static_cast<int>(form_.rows.size())) return false;
    CorregirRow& row = form_.rows[static_cast<std::size_t>(i)];
    if (event->type() == QEvent::FocusIn) {
        form_.Box_GotFocus(i);
        frame_->ensureWidgetVisible(box);
        QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
        renderPicture();
    } else if (laps) {
        row.NV = box->text().toStdString();
        form_.NV_LostFocus(i);
        setTextIfChanged(box, row.NV);
    } else {
        row.VR = box->text().toStdString();
        form_.VR_LostFocus(i);
        setTextIfChanged(box, row.VR);
    }
    return false;
}

void CorregirView::pictureClicked(QPoint pixel, bool twice) {
    takeBoxes();
    if (twice)
        form_.GraficComes_DblClick(pixel.x(), pixel.y());
    else
        form_.GraficComes_Click(pixel.x(), pixel.y());
    if (form_.closed) {
        accept();
        return;
    }
    renderRows();
    focusValueBox(form_.focusRow);
}

void CorregirView::Sortir_Click(int index) {
    takeBoxes();
    form_.Sortir_Click(index);
    if (!form_.closed) return;
    if (form_.saved)
        accept();
    else
        reject();
}

void ExecCorregirWindow(RaceState& state, StandingsEngine& live, HeatResultsStore& liveStore,
                        Prompter& prompter, QWidget* parent) {
    CorregirView window(state, live, liveStore, prompter, parent);
    window.exec();
}

}  // namespace sc
