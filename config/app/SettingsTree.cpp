#include "SettingsTree.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTreeWidgetItemIterator>

namespace quarn {

namespace {
struct ItemText {
    int depth; // 0: top level, 1: child of the last top-level item
    const char* text;
};

// The items in the order they appear; the texts are the keys of the dialog table.
constexpr ItemText kBaseItems[] = {
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Tonrufsystem")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Rufgeber")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Zielrufe")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Standardquittung")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Intercomtonfolge")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Auswertefunktionen")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Decoder 1-10")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Referenzwerte für Tonfolgeauswertung")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Kennungsauswertung")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Schlüsseltöne für Muting / Druckerausgabe")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "KR517bD Alarmauswerter")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Sammelrufauswerter")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Lautsprecherkonfiguration")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "RS232-Ausgaben")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Druckerparameter")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "RS232-Parameter")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Kanalschaltung")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Konfiguration")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Scannerfunktion")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Squelch-Konfiguration")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "FFSK-Modus (+ FMS)")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Konfiguration Ein-/Ausgänge")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Pilotton")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Radio-Mute")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Roger-Beep")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Allgemeine Konfiguration")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Funktionsprogrammierung")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Tasten")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Eingänge")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "LEDs")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "User-Passwort")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Einzelnes Register lesen/schreiben")},
};

constexpr ItemText kTelephoneItems[] = {
    {0, QT_TRANSLATE_NOOP("SettingsTree", "DTMF-Konfiguration")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Kontrolltasten")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Beginnruf")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Schlussruf")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Durchwahl (Tel -> Funk)")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Konfiguration Telefonmode")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Decoder 1-10")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Tastenprogrammierung (im Telefon-Mode)")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Geber/Auswerter (Telefon)")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Amtstonauswerter")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "DTMF Geber/Auswerter")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Impulswahl-Geber")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "\"Ring\"-Auswerter")},
    {1, QT_TRANSLATE_NOOP("SettingsTree", "Pilotton Geber/Auswerter")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Eingangspegel Telefon")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Konfiguration Telefon (LX4410C)")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "NF-Delay")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "VOX-Konfiguration")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Sonstige NF-Ausgabepegel")},
    {0, QT_TRANSLATE_NOOP("SettingsTree", "Kurzwahlspeicher programmieren")},
};

template <std::size_t N> void fill(QTreeWidget& tree, const ItemText (&items)[N])
{
    QTreeWidgetItem* group = nullptr;
    for (const ItemText& it : items) {
        const QString key = QString::fromUtf8(it.text);
        auto* item = it.depth == 0 ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(group);
        item->setText(0, QCoreApplication::translate("SettingsTree", it.text));
        item->setData(0, Qt::UserRole, key);
        if (it.depth == 0)
            group = item;
    }
}
} // namespace

SettingsTree::SettingsTree(Kind kind, QWidget* parent) : QTreeWidget(parent), m_kind(kind)
{
    setObjectName(kind == Kind::Base ? QStringLiteral("baseTree") : QStringLiteral("telephoneTree"));
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(true);
    if (kind == Kind::Base)
        fill(*this, kBaseItems);
    else
        fill(*this, kTelephoneItems);
}

QString SettingsTree::keyOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

QTreeWidgetItem* SettingsTree::itemByKey(const QString& key) const
{
    for (QTreeWidgetItemIterator it(const_cast<SettingsTree*>(this)); *it; ++it) {
        if (keyOf(*it) == key)
            return *it;
    }
    return nullptr;
}

} // namespace quarn
