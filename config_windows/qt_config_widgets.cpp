#include "config_windows/qt_config_widgets.h"

#include <QBoxLayout>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "config_windows/palette16.h"
#include "localisation/language_tables.h"
#include "localisation/qt_apply_language.h"

namespace sc {

void applyWindowLanguage(RaceState& state, QWidget* window) {
    const int16_t language = state.Settings.Language;
    if (isTableLanguage(language)) {
        applyLanguage(state, window);
        return;
    }
    state.Settings.Language = kCatalan;  // the design captions
    applyLanguage(state, window);
    state.Settings.Language = language;
}

QColor paletteQColor(int code) {
    const Rgb c = paletteColour(code);
    return QColor(c.r, c.g, c.b);
}

QString arrayObjectName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QPushButton* addSortirButton(QWidget* window, QBoxLayout* row, int index, std::function<void(int)> click) {
    auto* button = new QPushButton(window);
    button->setObjectName(arrayObjectName("Sortir", index));
    QObject::connect(button, &QPushButton::clicked, window, [click = std::move(click), index] { click(index); });
    row->addWidget(button);
    return button;
}

QGroupBox* addOrderButtons(QWidget* window, QBoxLayout* row, int count, QRadioButton** buttons,
                           std::function<void(int)> click) {
    auto* order = new QGroupBox(window);
    order->setObjectName("Ordre");
    auto* orderRow = new QHBoxLayout(order);
    for (int k = 1; k <= count; ++k) {
        buttons[k] = new QRadioButton(order);
        buttons[k]->setObjectName(arrayObjectName("CriteriOrdre", k));
        orderRow->addWidget(buttons[k]);
        QObject::connect(buttons[k], &QRadioButton::clicked, window, [click, k] { click(k); });
    }
    row->addWidget(order);
    return order;
}

QPushButton* addMoreOptionsToggle(QWidget* window, QBoxLayout* row, std::function<void()> click) {
    auto* button = new QPushButton(window);
    button->setObjectName(QStringLiteral("MesOpcions"));
    button->setCheckable(true);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, window, [click = std::move(click)] { click(); });
    row->addWidget(button);
    return button;
}

void acceptDigitsOnly(QLineEdit* edit, bool separators) {
    const QString pattern = separators ? QStringLiteral("[0-9.,]*") : QStringLiteral("[0-9]*");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

void setUpConfigDialog(QDialog* dialog) {
    QFont font = dialog->font();
    font.setPointSizeF(std::max(font.pointSizeF(), 11.0) * 1.15);
    dialog->setFont(font);
    dialog->setModal(true);
}

void setTextIfChanged(QLineEdit* edit, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (edit->text() != value) edit->setText(value);
}

}  // namespace sc
