#include "localisation/qt_apply_language.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>
#include <map>

#include "localisation/apply_language.h"

namespace sc {
namespace {

using ObjectMap = std::multimap<ControlKey, QObject*>;

std::optional<ControlKey> controlKey(const QString& objectName) {
    static const QRegularExpression arrayName(QStringLiteral(R"(^(\w+)\((\d+)\)$)"));
    static const QRegularExpression singleName(QStringLiteral(R"(^\w+$)"));
    if (auto match = arrayName.match(objectName); match.hasMatch())
        return ControlKey{match.captured(1).toStdString(), match.captured(2).toInt()};
    if (singleName.match(objectName).hasMatch()) return ControlKey{objectName.toStdString(), -1};
    return std::nullopt;
}

std::string text(const QString& s) { return s.toStdString(); }
QString qtext(const std::string& s) { return QString::fromStdString(s); }

std::optional<std::string> readCaption(QObject* object) {
    if (auto* menu = qobject_cast<QMenu*>(object)) return text(menu->title());
    if (auto* action = qobject_cast<QAction*>(object)) return text(action->text());
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return text(button->text());
    if (auto* label = qobject_cast<QLabel*>(object)) return text(label->text());
    if (auto* box = qobject_cast<QGroupBox*>(object)) return text(box->title());
    return std::nullopt;
}

std::optional<std::vector<std::string>> readItems(QObject* object) {
    std::vector<std::string> items;
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < combo->count(); ++i) items.push_back(text(combo->itemText(i)));
        return items;
    }
    if (auto* list = qobject_cast<QListWidget*>(object)) {
        for (int i = 0; i < list->count(); ++i) items.push_back(text(list->item(i)->text()));
        return items;
    }
    return std::nullopt;
}

ControlTexts readControl(QObject* object) {
    ControlTexts texts;
    texts.caption = readCaption(object);
    texts.items = readItems(object);
    if (auto* action = qobject_cast<QAction*>(object)) texts.toolTip = text(action->toolTip());
    if (auto* widget = qobject_cast<QWidget*>(object)) texts.toolTip = text(widget->toolTip());
    if (QVariant format = object->property("gridFormat"); format.isValid())
        texts.gridFormat = text(format.toString());
    return texts;
}

void collect(QWidget* window, WindowTexts& texts, ObjectMap& objects) {
    for (QObject* object : window->findChildren<QObject*>()) {
        auto key = controlKey(object->objectName());
        if (!key) continue;
        objects.emplace(*key, object);
        if (!texts.find(key->name, key->index)) texts.controls[*key] = readControl(object);
    }
}

WindowTexts readWindow(QWidget* window, ObjectMap& objects) {
    WindowTexts texts;
    texts.name = text(window->objectName());
    texts.title = text(window->windowTitle());
    collect(window, texts, objects);
    return texts;
}

QWidget* findMainWindow(QWidget* window) {
    for (QWidget* w = window->parentWidget(); w != nullptr; w = w->parentWidget())
        if (w->objectName() == QLatin1String("Portada")) return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != window && w->objectName() == QLatin1String("Portada")) return w;
    return nullptr;
}

void writeCaption(QObject* object, const QString& caption) {
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(caption);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(caption);
    else if (auto* box = qobject_cast<QGroupBox*>(object))
        box->setTitle(caption);
}

void writeItems(QObject* object, const std::vector<std::string>& items) {
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        const int current = combo->currentIndex();
        const QSignalBlocker block(combo);
        combo->clear();
        for (const auto& item : items) combo->addItem(qtext(item));
        combo->setCurrentIndex(current < combo->count() ? current : -1);
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        const int current = list->currentRow();
        const QSignalBlocker block(list);
        list->clear();
        for (const auto& item : items) list->addItem(qtext(item));
        if (current < list->count()) list->setCurrentRow(current);
    } else if (auto* table = qobject_cast<QTableWidget*>(object)) {
        if (table->columnCount() == 0) table->setColumnCount(1);
        if (table->rowCount() < static_cast<int>(items.size()))
            table->setRowCount(static_cast<int>(items.size()));
        for (int row = 0; row < static_cast<int>(items.size()); ++row) {
            if (table->item(row, 0) == nullptr) table->setItem(row, 0, new QTableWidgetItem);
            table->item(row, 0)->setText(qtext(items[row]));
        }
    }
}

Qt::Alignment headerAlignment(QChar mark) {
    if (mark == u'<') return Qt::AlignLeft | Qt::AlignVCenter;
    if (mark == u'^') return Qt::AlignHCenter | Qt::AlignVCenter;
    if (mark == u'>') return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void writeGridFormat(QObject* object, const std::string& format) {
    object->setProperty("gridFormat", qtext(format));
    auto* view = qobject_cast<QAbstractItemView*>(object);
    if (view == nullptr) return;
    const QStringList columns = qtext(format).split(u'|');
    auto* table = qobject_cast<QTableWidget*>(object);
    if (table != nullptr && table->columnCount() == 0)
        table->setColumnCount(static_cast<int>(columns.size()));
    QAbstractItemModel* model = view->model();
    if (model == nullptr) return;
    for (int c = 0; c < columns.size() && c < model->columnCount(); ++c) {
        QString heading = columns[c];
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        if (!heading.isEmpty() && QStringLiteral("<^>").contains(heading.front())) {
            alignment = headerAlignment(heading.front());
            heading.remove(0, 1);
        }
        if (table != nullptr) {
            if (table->horizontalHeaderItem(c) == nullptr)
                table->setHorizontalHeaderItem(c, new QTableWidgetItem);
            table->horizontalHeaderItem(c)->setText(heading);
            table->horizontalHeaderItem(c)->setTextAlignment(alignment);
        } else {
            model->setHeaderData(c, Qt::Horizontal, heading, Qt::DisplayRole);
            model->setHeaderData(c, Qt::Horizontal, QVariant::fromValue(alignment), Qt::TextAlignmentRole);
        }
    }
}

void writeControl(QObject* object, const ControlTexts& texts, const ControlTexts& before) {
    if (texts.caption && texts.caption != before.caption) writeCaption(object, qtext(*texts.caption));
    if (texts.toolTip && texts.toolTip != before.toolTip) {
        if (auto* action = qobject_cast<QAction*>(object))
            action->setToolTip(qtext(*texts.toolTip));
        else if (auto* widget = qobject_cast<QWidget*>(object))
            widget->setToolTip(qtext(*texts.toolTip));
    }
    if (texts.items && texts.items != before.items) writeItems(object, *texts.items);
    if (texts.gridFormat && texts.gridFormat != before.gridFormat) writeGridFormat(object, *texts.gridFormat);
}

std::vector<int> versionNumbers(const QString& version) {
    std::vector<int> numbers;
    for (const QString& part : version.split(u'.', Qt::SkipEmptyParts)) numbers.push_back(part.toInt());
    return numbers;
}

}  // namespace

void applyLanguage(RaceState& state, QWidget* window) {
    if (window == nullptr) return;
    ObjectMap objects;
    WindowTexts texts = readWindow(window, objects);
    const WindowTexts before = texts;

    WindowTexts mainTexts;
    if (QWidget* main = findMainWindow(window); main != nullptr && main != window) {
        ObjectMap ignored;
        mainTexts = readWindow(main, ignored);
        texts.mainWindow = &mainTexts;
    }
    texts.programName = text(QCoreApplication::applicationName());
    texts.version = versionNumbers(QCoreApplication::applicationVersion());

    AplicarIdioma(state, texts);

    if (texts.title != before.title) window->setWindowTitle(qtext(texts.title));
    for (const auto& [key, object] : objects) {
        const ControlTexts* after = texts.find(key.name, key.index);
        const ControlTexts* old = before.find(key.name, key.index);
        if (after != nullptr && old != nullptr) writeControl(object, *after, *old);
    }
}

}  // namespace sc
