#include "screens/summary_widgets.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "base/module_state.h"
#include "base/text_encoding.h"
#include "controls/ttaxedit.h"
#include "controls/txgrid.h"
#include "grid/grid_model.h"
#include "interview/field_binding.h"
#include "interview/tchildform.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "screens/core/summary_rules.h"
#include "store/field_store.h"

namespace {
constexpr int ItemNameField = 710;
constexpr int BaseDateField = 1101;
}  // namespace

TTaxEdit* ResultEdit(QWidget* parent, const char* name, int tag, TNumericType type) {
    auto* edit = new TTaxEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setNumericType(type);
    if (type != ntDate) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Results are calculated, never typed; they stay reachable so they can be read.
    edit->setReadOnly(true);
    if (tag) edit->setProperty("tag", tag);
    edit->setMinimumWidth(96);
    return edit;
}

AmountTable::AmountTable(QWidget* parent, const QStringList& headings)
    : widget_(new QWidget(parent)), grid_(new QGridLayout(widget_)), headings_(headings) {
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(8);
    grid_->setVerticalSpacing(4);
    for (int col = 0; col < headings.size(); ++col) {
        auto* heading = new QLabel(headings[col], widget_);
        heading->setAlignment(Qt::AlignCenter);
        heading->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid_->addWidget(heading, 0, col + 1);
        grid_->setColumnStretch(col + 1, 1);
    }
}

void AmountTable::AddRow(const QString& caption, const std::vector<AmountCell>& cells) {
    const int row = static_cast<int>(cells_.size()) + 1;
    auto* label = new QLabel(caption, widget_);
    grid_->addWidget(label, row, 0);
    std::vector<TTaxEdit*> edits;
    for (size_t col = 0; col < cells.size(); ++col) {
        TTaxEdit* edit = nullptr;
        if (cells[col].name) {
            edit = ResultEdit(widget_, cells[col].name, cells[col].tag, cells[col].type);
            const QString heading = static_cast<int>(col) < headings_.size()
                                        ? headings_[static_cast<int>(col)]
                                        : QString();
            edit->setAccessibleName((heading + QLatin1Char(' ') + caption).trimmed());
            grid_->addWidget(edit, row, static_cast<int>(col) + 1);
            if (cells.size() == 1) label->setBuddy(edit);
        }
        edits.push_back(edit);
    }
    cells_.push_back(std::move(edits));
}

TTaxEdit* AmountTable::Cell(int row, int col) const {
    if (row < 0 || row >= static_cast<int>(cells_.size())) return nullptr;
    const auto& edits = cells_[static_cast<size_t>(row)];
    return col >= 0 && col < static_cast<int>(edits.size()) ? edits[static_cast<size_t>(col)]
                                                            : nullptr;
}

void AmountTable::SetColumnEnabled(int col, bool enabled) {
    for (const auto& edits : cells_)
        if (col < static_cast<int>(edits.size()) && edits[static_cast<size_t>(col)]) {
            TTaxEdit* edit = edits[static_cast<size_t>(col)];
            if (!enabled) edit->SetNumValue(0);
            edit->setEnabled(enabled);
        }
}

QButtonGroup* RadioGroup(QGroupBox* box, const QStringList& items, bool horizontal) {
    auto* group = new QButtonGroup(box);
    QBoxLayout* layout = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                    : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    layout->setContentsMargins(8, 4, 8, 4);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        button->setObjectName(box->objectName() + QStringLiteral("Item%1").arg(i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    if (horizontal) layout->addStretch(1);
    return group;
}

void SelectRadioItem(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group only lets go of its choice while it is not exclusive.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

int SelectedRadioItem(const QButtonGroup* group) { return group->checkedId(); }

namespace {
// A frameless radio group captioned on its left, so the panel keeps to two short rows.
QButtonGroup* CaptionedRadioGroup(QWidget* parent, QBoxLayout* into, const char* name,
                                  const QString& caption, const QStringList& items) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setFlat(true);
    box->setAccessibleName(caption);
    box->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
    QButtonGroup* group = RadioGroup(box, items, true);
    auto* layout = static_cast<QBoxLayout*>(box->layout());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->insertWidget(0, new QLabel(caption, box));
    // Both only show what the asset type says; it is changed on the registration screen.
    box->setEnabled(false);
    into->addWidget(box);
    return group;
}
}  // namespace

EventDataControls BuildEventDataPanel(QWidget* parent) {
    EventDataControls c;
    c.panel = new QWidget(parent);
    c.panel->setObjectName(QStringLiteral("EventDataPanel"));
    auto* rows = new QVBoxLayout(c.panel);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto* first = new QHBoxLayout;
    auto* dateLabel = new QLabel(QStringLiteral("Base date:"), c.panel);
    c.baseDate = ResultEdit(c.panel, "BaseDateEdit", BaseDateField, ntDate);
    c.baseDate->setMinimumWidth(84);
    c.baseDate->setMaximumWidth(96);
    dateLabel->setBuddy(c.baseDate);
    first->addWidget(dateLabel);
    first->addWidget(c.baseDate);
    first->addSpacing(16);
    c.activeStatus = CaptionedRadioGroup(c.panel, first, "AssetActiveStatusRadioGroup",
                                         QStringLiteral("Active status:"),
                                         {QStringLiteral("Active"), QStringLiteral("Non-active")});
    rows->addLayout(first);
    auto* second = new QHBoxLayout;
    c.assetType =
        CaptionedRadioGroup(c.panel, second, "AssetTypeRadioGroup", QStringLiteral("Asset type:"),
                            {QStringLiteral("Shares/units"), QStringLiteral("Real estate"),
                             QStringLiteral("Other"), QStringLiteral("Collectable")});
    rows->addLayout(second);
    return c;
}

void ShowAssetType(const EventDataControls& controls, const std::string& typeCode) {
    SelectRadioItem(controls.activeStatus, ActiveStatusItem(typeCode));
    SelectRadioItem(controls.assetType, AssetKindItem(typeCode));
}

void SetUpCalculatedGrid(TXGrid* grid, void (*setUp)(TGridModel&), const QString& widths) {
    setUp(grid->Model());
    QStringList lines;
    for (const std::string& line : grid->Model().Display()) lines << FromLatin1Text(line);
    grid->setColCount(grid->Model().ColCount());
    grid->setDisplay(lines);
    grid->setColWidths(widths);
    grid->setTitleLines(3);
}

QLabel* AssetNameHeader(QWidget* parent, QLabel** descLabel) {
    auto* caption = new QLabel(QStringLiteral("Registered asset name:"), parent);
    auto* name = new QLabel(parent);
    name->setObjectName(QStringLiteral("DescLabel"));
    name->setStyleSheet(QStringLiteral("font-weight: bold"));
    *descLabel = name;
    return caption;
}

void ShowAssetNameIn(QLabel* descLabel) {
    const std::string name = TrimmedText(GetFieldStr(ItemNameField));
    descLabel->setText(name.empty() ? QStringLiteral("No Asset Selected") : FromLatin1Text(name));
}

void AddVisionWarning(QWidget* parent, const char* name) {
    auto* warning = new QLabel(
        QStringLiteral("Vision Impaired users may require assistance in completing this screen"),
        parent);
    warning->setObjectName(QLatin1String(name));
    warning->hide();
}

SummaryFrame BuildSummaryFrame(TChildForm* screen, const char* warningName,
                               const QString& sectionTitle, const char* selectorName,
                               const QStringList& views, std::function<void(int)> selectView) {
    screen->resize(628, 475);
    screen->setWindowTitle(QStringLiteral("17 - Income - Capital gains and capital losses"));
    screen->setHelpContext(30);
    screen->setShowNextButton(true);
    screen->setShowPrevButton(true);
    AddVisionWarning(screen, warningName);

    SummaryFrame f;
    f.outside = new QVBoxLayout(screen);
    f.outside->setContentsMargins(12, 8, 12, 8);
    auto* header = new QHBoxLayout;
    header->addWidget(AssetNameHeader(screen, &f.descLabel));
    header->addWidget(f.descLabel, 1);
    f.outside->addLayout(header);

    auto* section = new QGroupBox(sectionTitle, screen);
    f.section = section;
    f.outside->addWidget(section, 1);
    f.inside = new QVBoxLayout(section);
    auto* selector = new QGroupBox(section);
    selector->setObjectName(QLatin1String(selectorName));
    selector->setAccessibleName(QStringLiteral("View"));
    selector->setProperty("viewSelector", true);
    f.views = RadioGroup(selector, views, true);
    QObject::connect(f.views, &QButtonGroup::idToggled, screen,
                     [selectView = std::move(selectView)](int id, bool checked) {
                         if (checked) selectView(id);
                     });
    f.inside->addWidget(selector);
    return f;
}

void ReloadScreenControls(TChildForm* screen) {
    TFrameWnd* frame = State().FrameWnd;
    if (frame && frame->CurrentScreen() == screen)
        frame->LoadScreenFields();
    else
        LoadScreenFields(screen, {});
}
