#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace quarn {

class Register;

// The register image as a document: opening, saving and printing it as a PDF, and every
// question that protects unsaved changes. The main window keeps the wiring (menus, the
// state of its controls); the document shows its own messages and changes only the image.
class SettingsDocument {
    Q_DECLARE_TR_FUNCTIONS(quarn::SettingsDocument)
public:
    // What would replace unsaved changes.
    enum class Replaced { ByRead, ByOpen };

    SettingsDocument(Register& image, QWidget* owner) : m_image(image), m_owner(owner) {}

    // True when nothing is unsaved, or the user agrees to lose it.
    bool mayReplace(Replaced by) const;

    // "Öffnen...": asks for a file; true when one was loaded.
    bool openWithDialog();
    // Loads the file as "Öffnen..." does, after the unsaved-changes question; true when the
    // image now holds it (completely or not: a gap has its message). A file that cannot be
    // read changes nothing.
    bool open(const QString& path);

    // "Speichern" and "Speichern unter...": true when saved; otherwise the changes stay
    // marked unsaved.
    bool save();
    bool saveAs();
    // "Einstellungen als PDF speichern...": every setting by name.
    bool savePdf();

    // Before the factory reset: "save first?" False when the user cancelled, or the save
    // was cancelled or failed: the reset must not go on and lose the changes.
    bool offerSaveBeforeReset();
    // On closing: "save first?" True when the window may close.
    bool confirmClose();

private:
    bool saveTo(const QString& path);
    QString askSavePath();

    Register& m_image;
    QWidget* m_owner;
};

} // namespace quarn
