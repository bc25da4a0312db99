#pragma once

#include "config/editors/frame/Binder.h"
#include "config/editors/frame/DigitSource.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace quarn {

class Register;

// The frame of every settings dialog. A dialog declares its controls through bind() in the
// order of its register table, adds its own rules, and is done:
//   "OK" runs every check (field ranges, lengths, parses, the dialog's rules) first; only when
//   all pass is anything written, then the source is marked modified and the dialog closes. A
//   failing check shows its one message, puts the focus on the field and writes nothing.
//   "Abbrechen" and the close box write nothing.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // On the register image.
    SettingsDialog(Register* image, QWidget* parent, const QString& caption);
    // On another digit source (a function word, a private copy of registers); not owned.
    SettingsDialog(DigitSource& source, QWidget* parent, const QString& caption);

    // The image the dialog was made on; only for dialogs made on the image.
    Register& image() const;
    DigitSource& digits() const { return m_binder->source(); }
    Binder& bind() const { return *m_binder; }

    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_help; }

    // Shows the help box ("Hilfe: ..." caption, information icon).
    void showHelp();

    // The dialogs this one opens for parts of its settings (each decoder of an overview), made on
    // the same digits with their titles, for the settings report; the caller owns them.
    struct Nested {
        QString title;
        SettingsDialog* dialog;
    };
    virtual QList<Nested> nestedDialogs() { return {}; }

    // Settings this dialog shows one at a time (a key press, an input edge, an LED), for the
    // settings report: one line each, in place of the bindings of the one shown now.
    struct Page {
        QString label; // "F1 kurz"
        QList<Binder::DigitSpan> spans;
        QString name; // the setting in words ("Ruf senden"); a word no editor knows: its digits
        // The dialog that shows the page's parameters (the caller owns it); empty: none.
        std::function<SettingsDialog*()> dialog = {};
    };
    virtual QList<Page> pages() { return {}; }

protected:
    // The area above the buttons.
    QVBoxLayout* content() const { return m_content; }
    // Captions and texts come already translated.
    void setHelp(const QString& caption, const QString& text);
    // Replaces "OK"/"Abbrechen" by a single closing button (dialogs that write on their own buttons).
    void useSingleCloseButton(const QString& text);
    // Whether confirming marks the source modified (false for dialogs whose sub-dialogs write).
    virtual bool marksModified() const { return true; }
    // Runs after every write of a confirmed dialog (a dialog on a private copy hands it back here).
    virtual void confirmed() {}

    // A rule of the dialog failed: "Fehler" box, exclamation icon, focus on the field; returns false.
    bool refuse(const QString& text, QWidget* focus = nullptr);

    // A check box whose checked state is the normal case: unchecking it by hand asks the
    // "Warnhinweis!" question first; "Nein" checks it again. afterwards runs in either case.
    void askBeforeUnchecking(QCheckBox* box, const QString& question, std::function<void()> afterwards = {});

    void showEvent(QShowEvent* event) override;

    // Small layout helper.
    static QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true);

private:
    void build(const QString& caption);
    void onOk();

    Register* m_image = nullptr;
    std::unique_ptr<ImageDigits> m_imageDigits;
    Binder* m_binder = nullptr;
    QVBoxLayout* m_content = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
    QString m_helpCaption;
    QString m_helpText;
    bool m_opened = false;
};

} // namespace quarn
