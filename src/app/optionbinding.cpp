#include "app/optionbinding.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QWidget>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "app/currencyedit.h"
#include "settings/ovoptions.h"

namespace ashtally {

namespace {

// The five kinds of control that carry options, and the property each binds.
enum class ControlKind { None, CheckBox, SpinEdit, CurrencyEdit, LineEdit, Memo };

ControlKind KindOf(QWidget* control) {
    if (qobject_cast<QCheckBox*>(control) != nullptr) {
        return ControlKind::CheckBox;
    }
    if (qobject_cast<QAbstractButton*>(control) != nullptr || qobject_cast<QLabel*>(control)) {
        return ControlKind::None; // push buttons and labels are never bound
    }
    if (qobject_cast<CurrencyEdit*>(control) != nullptr) {
        return ControlKind::CurrencyEdit;
    }
    if (qobject_cast<QSpinBox*>(control) != nullptr ||
        qobject_cast<QDoubleSpinBox*>(control) != nullptr) {
        return ControlKind::SpinEdit;
    }
    if (qobject_cast<QLineEdit*>(control) != nullptr) {
        return ControlKind::LineEdit;
    }
    if (qobject_cast<QPlainTextEdit*>(control) != nullptr) {
        return ControlKind::Memo;
    }
    return ControlKind::None;
}

const char* PropertyName(ControlKind kind) {
    switch (kind) {
    case ControlKind::CheckBox:
        return "Checked";
    case ControlKind::SpinEdit:
    case ControlKind::CurrencyEdit:
        return "Value";
    case ControlKind::LineEdit:
        return "Text";
    case ControlKind::Memo:
        return "Lines";
    case ControlKind::None:
        break;
    }
    return "";
}

// A memo keeps its lines with LF; the options keep them with CR LF.
std::string MemoText(const QPlainTextEdit* memo) {
    QString text = memo->toPlainText();
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

// The control's value as a tagged value of its property's kind.
OptionValue ReadControl(QWidget* control, ControlKind kind) {
    switch (kind) {
    case ControlKind::CheckBox:
        // A Boolean property travels as the name of its value.
        return std::string(qobject_cast<QCheckBox*>(control)->isChecked() ? "True" : "False");
    case ControlKind::SpinEdit:
        if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            return static_cast<double>(spin->value());
        }
        return qobject_cast<QDoubleSpinBox*>(control)->value();
    case ControlKind::CurrencyEdit:
        return static_cast<double>(qobject_cast<CurrencyEdit*>(control)->Money()) / 10000.0;
    case ControlKind::LineEdit:
        return qobject_cast<QLineEdit*>(control)->text().toStdString();
    case ControlKind::Memo:
        return MemoText(qobject_cast<QPlainTextEdit*>(control));
    case ControlKind::None:
        break;
    }
    return {};
}

// Writes a tagged value into the control; false where it does not convert. A control whose
// shown value already equals the new one is left alone, so it raises no change notification.
bool WriteControl(QWidget* control, ControlKind kind, const OptionValue& value,
                  const std::string& decimalSeparator) {
    switch (kind) {
    case ControlKind::CheckBox: {
        const auto checked = ValueToBoolean(value);
        if (!checked) {
            return false;
        }
        auto* box = qobject_cast<QCheckBox*>(control);
        if (box->isChecked() != *checked) {
            box->setChecked(*checked);
        }
        return true;
    }
    case ControlKind::SpinEdit: {
        const auto number = ValueToReal(value, decimalSeparator);
        if (!number) {
            return false;
        }
        if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            const double rounded = std::nearbyint(*number);
            if (rounded < spin->minimum() || rounded > spin->maximum()) {
                return false;
            }
            if (spin->value() != static_cast<int>(rounded)) {
                spin->setValue(static_cast<int>(rounded));
            }
            return true;
        }
        auto* spin = qobject_cast<QDoubleSpinBox*>(control);
        if (*number < spin->minimum() || *number > spin->maximum()) {
            return false;
        }
        if (spin->value() != *number) {
            spin->setValue(*number);
        }
        return true;
    }
    case ControlKind::CurrencyEdit: {
        const auto money = ValueToMoney(value, decimalSeparator);
        if (!money) {
            return false;
        }
        auto* edit = qobject_cast<CurrencyEdit*>(control);
        const double amount = static_cast<double>(*money) / 10000.0;
        if (amount < edit->minimum() || amount > edit->maximum()) {
            return false;
        }
        if (edit->Money() != *money) {
            edit->SetMoney(*money);
        }
        return true;
    }
    case ControlKind::LineEdit: {
        const auto text = ValueToText(value, decimalSeparator);
        if (!text) {
            return false;
        }
        auto* edit = qobject_cast<QLineEdit*>(control);
        const QString shown = QString::fromStdString(*text);
        if (edit->text() != shown) {
            edit->setText(shown);
            edit->setCursorPosition(0); // a long text shows its beginning
        }
        return true;
    }
    case ControlKind::Memo: {
        const auto text = ValueToMemoText(value, decimalSeparator);
        if (!text) {
            return false;
        }
        auto* memo = qobject_cast<QPlainTextEdit*>(control);
        QString shown = QString::fromStdString(*text);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (memo->toPlainText() != shown) {
            memo->setPlainText(shown);
        }
        return true;
    }
    case ControlKind::None:
        break;
    }
    return false;
}

// Every widget of the window, depth first: a widget, then its children in their order.
template <class Visit>
void WalkControls(QWidget* widget, const Visit& visit) {
    for (QObject* child : widget->children()) {
        if (auto* control = qobject_cast<QWidget*>(child)) {
            visit(control);
            WalkControls(control, visit);
        }
    }
}

} // namespace

void OptionsToControls(QWidget* window, const TOVOptions& options, const BindingMessage& report) {
    WalkControls(window, [&](QWidget* control) {
        const QString name = control->objectName();
        if (name.isEmpty()) {
            return;
        }
        const ControlKind kind = KindOf(control);
        if (kind == ControlKind::None) {
            return;
        }
        const OptionDeclaration* option = options.FindOption(name.toStdString());
        if (option == nullptr) {
            return;
        }
        if (!WriteControl(control, kind, options.OptionValueOf(*option),
                          options.DecimalSeparator())) {
            report(std::string("P5 ") + PropertyName(kind));
        }
    });
}

void ControlsToOptions(QWidget* window, TOVOptions& options) {
    WalkControls(window, [&](QWidget* control) {
        const QString name = control->objectName();
        if (name.isEmpty()) {
            return;
        }
        const ControlKind kind = KindOf(control);
        if (kind == ControlKind::None) {
            return;
        }
        const OptionDeclaration* option = options.FindOption(name.toStdString());
        if (option == nullptr) {
            return;
        }
        // A value that does not convert is reported ("P5 <key>") by the set itself.
        options.StoreOption(*option, ReadControl(control, kind));
    });
}

} // namespace ashtally
