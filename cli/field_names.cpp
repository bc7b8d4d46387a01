#include "field_names.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <map>

#include "calc/cgt_schedule.h"
#include "calc_names.h"
#include "screens/core/schedule_layout.h"
#include "store/worksheet_items.h"

namespace {

using Names = std::map<int, std::string>;

struct UiControl {
    int tag = 0;
    QString name, className, text, buddy;
};

// A label's text as a name: no mnemonic ampersands, line breaks or closing colon.
std::string Clean(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.toStdString();
}

// The controls of one screen definition: bound ones carry a field number in "tag".
std::vector<UiControl> ReadScreen(QIODevice& ui) {
    std::vector<UiControl> controls;
    std::vector<size_t> open;  // the controls whose <widget> is open
    QXmlStreamReader xml(&ui);
    QString property;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
            open.push_back(controls.size());
            controls.push_back({0,
                                xml.attributes().value(QLatin1String("name")).toString(),
                                xml.attributes().value(QLatin1String("class")).toString(),
                                {},
                                {}});
        } else if (xml.isEndElement() && xml.name() == QLatin1String("widget")) {
            if (!open.empty()) open.pop_back();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("property")) {
            property = xml.attributes().value(QLatin1String("name")).toString();
        } else if (xml.isStartElement() && !open.empty()) {
            UiControl& control = controls[open.back()];
            const QString element = xml.name().toString();
            if (property == QLatin1String("tag") && element == QLatin1String("number"))
                control.tag = xml.readElementText().toInt();
            else if (property == QLatin1String("text") && element == QLatin1String("string"))
                control.text = xml.readElementText();
            else if (property == QLatin1String("buddy") && element == QLatin1String("cstring"))
                control.buddy = xml.readElementText();
        }
    }
    return controls;
}

// Each bound control's name: its label (the label whose buddy it is), or for a check box
// without one the question before it and the box's own text. The first screen that names a
// field names it.
Names ScreenNames() {
    Names names;
    const QDir folder(QStringLiteral(":/screens"));
    for (const QString& entry :
         folder.entryList({QStringLiteral("*.ui")}, QDir::Files, QDir::Name)) {
        QFile ui(folder.filePath(entry));
        if (!ui.open(QIODevice::ReadOnly)) continue;
        const std::vector<UiControl> controls = ReadScreen(ui);
        std::string question;  // the label of the bound control before, on this screen
        for (const UiControl& control : controls) {
            if (control.tag <= 0) continue;
            std::string name;
            for (const UiControl& label : controls)
                if (label.buddy == control.name && !label.text.isEmpty()) name = Clean(label.text);
            // A "No" box without a label answers the question before it.
            if (name.empty() && control.className == QLatin1String("QCheckBox") &&
                !control.text.isEmpty())
                name = (question.empty() ? "" : question + " - ") + Clean(control.text);
            if (!name.empty() && !names.count(control.tag)) names[control.tag] = name;
            if (!name.empty()) question = name;
        }
    }
    return names;
}

Names ScheduleNames() {
    Names names;
    for (const SchedulePart& part : ScheduleParts()) {
        for (const ScheduleRow& row : part.rows)
            for (const ScheduleAmount& amount : row.amounts)
                if (amount.field) names[amount.field] = part.name + ": " + amount.caption;
        if (part.checkField) names[part.checkField] = part.name + ": " + part.checkCaption;
    }
    for (const NamedField& named : ScheduleFieldNames()) names.emplace(named.field, named.label);
    return names;
}

// The return's own fields that no screen definition names: the calc labels and the tables
// that screens build in code.
Names ReturnNames() {
    Names names = {{1, "Tax file number"},
                   {397, "Taxpayer's name"},
                   {801, "Small business concessions table"},
                   {803, "Choice table"},
                   {920, "Unapplied net capital losses of earlier years: collectables"},
                   {921, "Unapplied net capital losses of earlier years: other"},
                   {1201, "Manual calculation table"},
                   {1215, "Trust distributions table"}};
    for (const NamedField& named : ReturnLabelNames()) names.emplace(named.field, named.label);
    return names;
}

Names ItemNames() {
    Names names = ScreenNames();
    for (const NamedField& named : AssetResultNames()) names.emplace(named.field, named.label);
    return names;
}

std::string Find(const Names& names, int field) {
    const auto found = names.find(field);
    return found == names.end() ? std::string() : found->second;
}

}  // namespace

std::string FieldName(int holder, int field) {
    static const Names items = ItemNames(), schedule = ScheduleNames(), own = ReturnNames(),
                       screens = ScreenNames();
    if (holder == ScheduleWorksheet + WorksheetFieldOffset) return Find(schedule, field);
    if (holder != 0) return Find(items, field);
    const std::string name = Find(own, field);
    return name.empty() ? Find(screens, field) : name;
}
