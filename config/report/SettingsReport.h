#pragma once

#include "config/editors/frame/Binder.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

namespace quarn {

class Register;
class SettingsDialog;
enum class EditorTree;

// One setting as the dialogs show it: where it is, what it is called, what it shows, and the
// digits it is stored in.
struct ReportLine {
    QString item;  // the tree item (with its group, and a part such as "Decoder 3")
    QString field; // the label a user reads beside the control
    QString value; // what the control shows
    QList<Binder::DigitSpan> spans;
    bool active = true; // false: the control is disabled or hidden in this state

    // "010/0-6", "081/5"; several spans separated by ", ".
    QString digitsText() const;
};

// Every setting of the image, read from the dialogs themselves: each tree item's dialog is made
// on the image without being shown, and each bound control gives one line. Nothing is written.
// The texts are in the language installed at the time of the call.
class SettingsReport {
    Q_DECLARE_TR_FUNCTIONS(SettingsReport)

public:
    static QList<ReportLine> build(Register& image);
    // The walk every report-named list shares: each tree item's settings dialog, made on the
    // image without being shown, with its report name ("Group › Item") and its catalog text.
    using DialogVisit = std::function<void(EditorTree tree, const char* itemText, SettingsDialog& dialog,
                                           const QString& name)>;
    static void forEachDialog(Register& image, const DialogVisit& visit);
    // The registers of the image's file that no line binds.
    static QList<int> unshownRegisters(const QList<ReportLine>& lines, bool withTelephone);
};

} // namespace quarn
