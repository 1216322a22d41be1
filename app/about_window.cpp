#include "app/about_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/portada.h"
#include "localisation/language_tables.h"
#include "localisation/qt_apply_language.h"

namespace sc {

namespace {
QString catalan(const char* control, TextKind kind, const char* fallback) {
    if (auto text = tableText(kCatalan, "Informacio", control, -1, kind))
        return QString::fromStdString(*text);
    return QString::fromUtf8(fallback);
}
}  // namespace

InformacioView::InformacioView(RaceState& state, QWidget* parent) : QDialog(parent) {
    setObjectName("Informacio");
    const QString version = QString::fromStdString(Portada::versionText());
    setWindowTitle(catalan("", TextKind::AboutTitlePrefix, "Informació de ") + "SlotCursa");

    auto* column = new QVBoxLayout(this);
    auto* name = new QLabel("SlotCursa", this);
    name->setObjectName("NomPrograma");
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    column->addWidget(name);

    auto* line =
        new QLabel("SlotCursa" + catalan("", TextKind::AboutVersionWord, " Versió ") + version, this);
    line->setObjectName("Versio");
    line->setAlignment(Qt::AlignCenter);
    column->addWidget(line);

    auto* description = new QLabel(
        catalan("Descripcio", TextKind::Caption, "Programa de gestió de curses en circuits d'Slot."), this);
    description->setObjectName("Descripcio");
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);
    column->addWidget(description);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("Sortir(0)");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
    resize(420, 200);

    applyLanguage(state, this);
}

}  // namespace sc
