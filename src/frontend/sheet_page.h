// One page of a property sheet. Each option the page shows keeps a working value and a
// changed flag: filling the page shows the value in force of every option the user has
// not changed, and applying it writes only the changed ones.
#pragma once

#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "frontend/engine_bridge.h"
#include "frontend/user_dialogs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSlider;
class QSpinBox;

namespace tabulyst {

class ColourEdit;
class FontEdit;
struct Settings;

// What a page edits: the user's policies, the program's settings, and the choosers.
struct SheetContext {
    EngineSession& session;
    Settings& settings;
    const UserDialogs& dialogs;
};

// Where an option's value lives.
struct OptionSource {
    std::function<QVariant()> load;                 // the value in force
    std::function<void(const QVariant&)> store;     // makes it the value in force
    std::function<QString(const QVariant&)> check;  // empty when the value is taken
    bool policy = false;                            // a policy (else a setting)
};

// A policy of the user's set, by its key; storing marks it stated.
OptionSource PolicySource(EngineSession& session, const QString& key);
// The same source seen upside down: a "Show ..." box over a "Suppress ..." policy.
OptionSource Inverted(OptionSource source);
// A setting of the program.
OptionSource SettingSource(bool& setting);
OptionSource SettingSource(QString& setting);

// What applying a page wrote.
struct Written {
    bool policies = false;
    bool settings = false;
};

class SheetPage : public QWidget {
    Q_OBJECT
  public:
    explicit SheetPage(const SheetContext& context, QWidget* parent = nullptr);

    // Shows the value in force of every option the user has not changed.
    void Fill();
    // A changed option whose value its policy refuses: the control and the message.
    struct Refusal {
        QWidget* control;
        QString message;
    };
    std::optional<Refusal> Check() const;
    // Writes every changed option and clears its changed flag.
    Written Apply();
    // True while an option holds a change not yet applied.
    bool HasChanges() const;

  signals:
    // The user changed an option.
    void Changed();

  protected:
    // Re-labels the page in the language in force.
    virtual void RetranslateUi() = 0;
    // Called after filling, for pages whose enabling follows their values.
    virtual void Filled() {}
    void changeEvent(QEvent* event) override;

    // Binds a control to an option; the control then shows the option's working value
    // and every edit of the user changes it.
    void BindCheck(QCheckBox* box, OptionSource source);
    void BindSpin(QSpinBox* spin, OptionSource source);
    void BindSlider(QSlider* slider, OptionSource source);
    void BindLine(QLineEdit* edit, OptionSource source);
    void BindEditableList(QComboBox* list, OptionSource source);
    void BindAlignment(QComboBox* list, OptionSource source);
    // A choice list whose first entry is "(none)" (value -1), then the choices from 1.
    void BindChoice(QComboBox* list, OptionSource source);
    void BindColour(ColourEdit* edit, OptionSource source);
    void BindFont(FontEdit* edit, OptionSource source);

    const SheetContext& Context() const { return context_; }

  private:
    struct Option {
        QWidget* control;
        OptionSource source;
        std::function<void(const QVariant&)> show;
        QVariant working;
        bool changed = false;
    };
    // Adds an option; the returned function records an edit of its value.
    std::function<void(const QVariant&)> Bind(QWidget* control, OptionSource source,
                                              std::function<void(const QVariant&)> show);

    SheetContext context_;
    std::vector<std::unique_ptr<Option>> options_;
    std::vector<QComboBox*> alignmentLists_;  // refilled from the catalogue on a language change
};

// A control named after the policy key or setting path it shows, by which tests find it.
template <typename T>
T* Named(T* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

// A spin box for an Integer policy: its range, and "(none)" below 1 for an optional one.
void ShapeSpinBox(QSpinBox* spin, const PolicyFacts& facts);

}  // namespace tabulyst
