#include "ui/ParGenRows.h"

#include "core/ULanguage.h"
#include "ui/CategoryPanelGroup.h"
#include "ui/ParGenEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int kLabelX = 14;
constexpr int kLabelWidth = 170;
constexpr int kLabelHeight = 16;
constexpr int kBoxHeight = 17;
constexpr int kInputRise = 3;
constexpr int kOctetLeft = 191;
constexpr int kOctetWidth = 55;
constexpr int kOctetStep = 61;
constexpr int kDotLeft = 247;
constexpr int kChecksLeft[] = {191, 270, 349};
constexpr int kChecksWidth = 75;

int Input_Height(const QWidget* w)
{
    if (qobject_cast<const QPlainTextEdit*>(w))
        return 23;
    if (qobject_cast<const QComboBox*>(w))
        return 22;
    return 21;
}

QString Label_Name(const QString& input)
{
    for (const char* prefix : {"E_", "CB_", "Cb_"})
        if (input.startsWith(QLatin1String(prefix)))
            return QStringLiteral("L_") + input.mid(static_cast<int>(qstrlen(prefix)));
    return QStringLiteral("L_") + input;
}

QStringList Fixed_Items(const TParRow& def)
{
    return def.Items ? QString::fromLatin1(def.Items).split(QLatin1Char('|')) : QStringList();
}

class TBuilder {
public:
    TBuilder(QWidget* surface, TParControls& controls, const TParHandlers& handlers)
        : FSurface(surface), FControls(controls), FHandlers(handlers)
    {
    }

    TParBuiltRow Build(const TParRow& def)
    {
        TParBuiltRow row{&def, QString::fromLatin1(def.Name ? def.Name : def.Box), nullptr, {}, {}};
        const QString name = QString::fromLatin1(def.Name);
        if (def.Box)
            row.Head = Box(QString::fromLatin1(def.Box), def.BoxWidth, def.Flags & fNoClick);
        else {
            auto* label = new QLabel(FSurface);
            label->resize(kLabelWidth, kLabelHeight);
            FControls.Add(Label_Name(name), label);
            row.Head = label;
        }
        switch (def.Kind) {
        case TParRowKind::Edit:
        case TParRowKind::CheckEdit: {
            TParEdit* edit = Line(name, def.Value, def.InputLeft, def.InputWidth);
            edit->SetTypingLimit(def.MaxLength);
            edit->SetLowerCase(def.Lower);
            row.Inputs.push_back(edit);
            break;
        }
        case TParRowKind::Memo: {
            auto* memo = new QPlainTextEdit(FSurface);
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            memo->setTabChangesFocus(true);
            // Wrapping at words breaks a word longer than the line by measuring the rest of it for every line:
            // a key or certificate of one long line took time growing with the square of its length.
            memo->setWordWrapMode(QTextOption::WrapAnywhere);
            Input(memo, name, def.InputLeft, def.InputWidth, QString());
            Report(memo, &QPlainTextEdit::textChanged, FHandlers.OnChange);
            row.Inputs.push_back(memo);
            break;
        }
        case TParRowKind::List: {
            auto* list = new QComboBox(FSurface);
            list->addItems(Fixed_Items(def));
            for (int i = 0; i < def.ItemCount; ++i)
                list->addItem(QString());
            const int design = std::max(0, list->findText(QString::fromLatin1(def.Value)));
            list->setCurrentIndex(design);
            Input(list, name, def.InputLeft, def.InputWidth, QString::number(design));
            Report(list, &QComboBox::activated, FHandlers.OnChange);
            row.Inputs.push_back(list);
            break;
        }
        case TParRowKind::Octets:
        case TParRowKind::CheckOctets: {
            const QStringList values = QString::fromLatin1(def.Value).split(QLatin1Char('.'));
            for (int i = 0; i < 4; ++i) {
                TParEdit* octet = Line(name + QString::number(i + 1), values.value(i), kOctetLeft + i * kOctetStep,
                                       kOctetWidth);
                octet->OnKeyPress = FHandlers.OnKeyPress;
                row.Inputs.push_back(octet);
            }
            for (int i = 0; i < 3; ++i) {
                auto* dot = new QLabel(QStringLiteral("."), FSurface);
                dot->setGeometry(kDotLeft + i * kOctetStep, 0, 5, kLabelHeight);
                row.Dots.push_back(dot);
            }
            break;
        }
        case TParRowKind::Checks:
            for (int i = 0; i < 3; ++i) {
                QCheckBox* box = Box(name + QString::number(i + 1), kChecksWidth, false);
                box->setText(QString::number(i + 1));
                box->move(kChecksLeft[i], 0);
                row.Inputs.push_back(box);
            }
            break;
        case TParRowKind::Check:
            break;
        }
        for (QWidget* input : row.Inputs)
            input->setEnabled(!(def.Flags & fDisabled));
        return row;
    }

private:
    QCheckBox* Box(const QString& name, int width, bool noClick)
    {
        auto* box = new QCheckBox(FSurface);
        box->setGeometry(kLabelX, 0, width, kBoxHeight);
        FControls.Add(name, box, QStringLiteral("0"));
        if (!noClick)
            Report(box, &QCheckBox::toggled, FHandlers.OnClick);
        return box;
    }
    TParEdit* Line(const QString& name, const QString& value, int left, int width)
    {
        auto* edit = new TParEdit(FSurface);
        edit->setText(value);
        Input(edit, name, left, width, value);
        Report(edit, &QLineEdit::textChanged, FHandlers.OnChange);
        return edit;
    }
    void Input(QWidget* input, const QString& name, int left, int width, const QString& design)
    {
        input->setGeometry(left, 0, width, Input_Height(input));
        FControls.Add(name, input, design);
    }
    // The control's signal calls the handler with the control; the builder is gone by then.
    template <typename W, typename Signal>
    static void Report(W* control, Signal signal, const std::function<void(QObject*)>& handler)
    {
        if (handler)
            QObject::connect(control, signal, control, [handler, control] { handler(control); });
    }

    QWidget* FSurface;
    TParControls& FControls;
    const TParHandlers& FHandlers;
};

} // namespace

void TParControls::Add(const QString& name, QWidget* control, const QString& design)
{
    control->setObjectName(name);
    FControls.insert(name, control);
    FDesign.insert(name, design);
}

TParEdit* TParControls::Edit(const QString& name) const
{
    return dynamic_cast<TParEdit*>(Control(name));
}
QPlainTextEdit* TParControls::Memo(const QString& name) const
{
    return qobject_cast<QPlainTextEdit*>(Control(name));
}
QCheckBox* TParControls::Box(const QString& name) const
{
    return qobject_cast<QCheckBox*>(Control(name));
}
QComboBox* TParControls::List(const QString& name) const
{
    return qobject_cast<QComboBox*>(Control(name));
}
QLabel* TParControls::Label(const QString& name) const
{
    return qobject_cast<QLabel*>(Control(name));
}

TParPanelRows::TParPanelRows(TCategoryPanel* panel, std::vector<TParBuiltRow> rows)
    : FPanel(panel), FRows(std::move(rows))
{
}

const TParBuiltRow& TParPanelRows::Row(const QString& key) const
{
    for (const TParBuiltRow& r : FRows)
        if (r.Key == key)
            return r;
    throw std::logic_error("no parameter row " + key.toStdString());
}

void TParPanelRows::Place(const TParBuiltRow& row, int y) const
{
    row.Head->move(kLabelX, y);
    const bool boxes = row.Def->Kind == TParRowKind::Checks;
    for (QWidget* input : row.Inputs)
        input->move(input->x(), boxes ? y : y - kInputRise);
    // Beside a heading box the dots sit one pixel lower, level with the box's text.
    for (QLabel* dot : row.Dots)
        dot->move(dot->x(), row.Def->Box ? y + 1 : y);
}

void TParPanelRows::Show(const TParBuiltRow& row, bool visible) const
{
    row.Head->setVisible(visible);
    for (QWidget* input : row.Inputs)
        input->setVisible(visible);
    for (QLabel* dot : row.Dots)
        dot->setVisible(visible);
}

void TParPanelRows::Stack(const char* groups) const
{
    int y = kFirstRowY;
    for (const TParBuiltRow& row : FRows) {
        const bool shown = row.Def->Group == 0 || (groups && std::strchr(groups, row.Def->Group));
        Show(row, shown);
        if (shown) {
            Place(row, y);
            y += kRowStep;
        }
    }
    Fit_Height();
}

int TParPanelRows::Stack_From(std::initializer_list<const char*> keys, int y) const
{
    for (const char* key : keys) {
        const TParBuiltRow& row = Row(QString::fromLatin1(key));
        Show(row, true);
        Place(row, y);
        y += kRowStep;
    }
    return y;
}

void TParPanelRows::Hide_All() const
{
    for (const TParBuiltRow& row : FRows)
        Show(row, false);
}

void TParPanelRows::Fit_Height() const
{
    int bottom = 0;
    for (const QObject* child : FPanel->Surface()->children())
        if (const auto* w = qobject_cast<const QWidget*>(child); w && !w->isHidden())
            bottom = std::max(bottom, w->y() + w->height());
    FPanel->SetHeight(bottom + FPanel->Header()->height() + 12);
}

std::vector<QWidget*> TParPanelRows::Tab_Chain() const
{
    std::vector<QWidget*> chain;
    for (const bool last : {false, true})
        for (const TParBuiltRow& row : FRows) {
            if (((row.Def->Flags & fTabLast) != 0) != last)
                continue;
            if (row.Def->Box)
                chain.push_back(row.Head);
            chain.insert(chain.end(), row.Inputs.begin(), row.Inputs.end());
        }
    return chain;
}

std::vector<QWidget*> TParPanelRows::Dot_Chain() const
{
    std::vector<QWidget*> chain;
    for (const TParBuiltRow& row : FRows)
        if (row.Def->Flags & fDotChain)
            chain.insert(chain.end(), row.Inputs.begin(), row.Inputs.end());
    return chain;
}

TParPanelRows Build_Panel_Rows(TCategoryPanel* panel, const TParRow* rows, int count, TParControls& controls,
                               const TParHandlers& handlers)
{
    TBuilder builder(panel->Surface(), controls, handlers);
    std::vector<TParBuiltRow> built;
    for (int i = 0; i < count; ++i)
        built.push_back(builder.Build(rows[i]));
    TParPanelRows result(panel, std::move(built));
    int y = kFirstRowY;
    for (const TParBuiltRow& row : result.Rows()) {
        result.Place(row, y);
        y += kRowStep;
    }
    return result;
}

void Apply_Row_Texts(const TParPanelRows& rows)
{
    for (const TParBuiltRow& row : rows.Rows()) {
        const TParRow& def = *row.Def;
        if (auto* box = qobject_cast<QCheckBox*>(row.Head)) {
            box->setText(Lang(def.Caption));
            box->setToolTip(def.BoxHint ? Lang(def.BoxHint) : QString());
        } else
            static_cast<QLabel*>(row.Head)->setText(Lang(def.Caption));
        if (def.Hint)
            for (std::size_t i = 0; i < row.Inputs.size(); ++i)
                row.Inputs[i]->setToolTip(Lang(def.Hint + static_cast<int>(i)));
        if (def.ItemCount > 0) {
            auto* list = static_cast<QComboBox*>(row.Inputs.front());
            list->clear();
            for (int i = 0; i < def.ItemCount; ++i)
                list->addItem(Lang(def.ItemText + i));
            list->setCurrentIndex(0);
        }
    }
}
