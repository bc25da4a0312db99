#include "config/editors/keys/TastenProg.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/keys/FktAuswahl.h"
#include "config/editors/keys/FunctionEditors.h"
#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

namespace {
constexpr int NormalBase = 130;
constexpr int TelephoneOffset = 300;
constexpr int ShortPress[TastenProg::KeyCount] = {162, 164, 166, 168, 150, 132, 134, 136, 152,
                                                  138, 140, 142, 154, 144, 146, 148, 156, 158,
                                                  130, 160, 170, 172, 174, 176, 178};
constexpr const char* GridCaptions[20] = {"F1", "F2", "F3", "F4", "S1", "1", "2",  "3", "S2", "4",
                                          "5",  "6",  "S3", "7",  "8",  "9", "S4", "*", "0",  "#"};
constexpr int Vol = 24;
} // namespace

TastenProg::TastenProg(int mode, QWidget* parent, Register* image)
    : SettingsDialog(m_copy, parent, tr("Tastenprogrammierung")), m_image(image),
      m_copy(*image, NormalBase + (mode ? TelephoneOffset : 0), 50), m_mode(mode)
{
    const bool model7k = image->model7k;
    auto* pad = new QGroupBox(tr("Tastenfeld: Quarn"), this);
    auto* grid = new QGridLayout(pad);
    // The Quarn 8k has no F and S keys but a "VOL" key left of "LS": its grid sits one column
    // further right, above the five keys of the bottom row.
    const int offset = model7k ? 0 : 1;
    for (int key = 0; key < KeyCount; ++key) {
        if (!exists(key, model7k))
            continue;
        auto* button = named(new QPushButton(captionOf(key), pad), QStringLiteral("key%1").arg(key));
        button->setAutoDefault(false);
        if (key < 20)
            grid->addWidget(button, key / 4, key % 4 + offset);
        else
            grid->addWidget(button, 5, 3 + offset - (key - 20)); // "PTT" rightmost
        connect(button, &QPushButton::clicked, this, [this, key] { select(key, m_press); });
    }
    content()->addWidget(pad);

    m_label = named(new QLabel(this), "keyLabel");
    QFont bold = m_label->font();
    bold.setWeight(QFont::DemiBold);
    bold.setPixelSize(16);
    m_label->setFont(bold);
    m_word = bind().tones("functionWord",
                          [this] { return ToneSlot::upTo(registerOf(m_key, m_press, m_mode), 0, 8, u'0'); });
    m_word->setAlignment(Qt::AlignCenter);
    m_short = namedRadio(tr("Tastendruck kurz"), "shortPress", this);
    m_long = namedRadio(tr("Tastendruck lang"), "longPress", this);
    m_short->setChecked(true);
    auto* wizard = named(new QPushButton(tr("Prog.-Assistent..."), this), "wizardButton");
    wizard->setAutoDefault(false);
    content()->addWidget(m_label);
    content()->addLayout(row({m_word, wizard}));
    content()->addLayout(row({m_short, m_long}));

    // A refused word keeps key and press; the radios show the press the label names.
    connect(m_short, &QRadioButton::clicked, this, [this] {
        select(m_key, 0);
        showPress();
    });
    connect(m_long, &QRadioButton::clicked, this, [this] {
        select(m_key, 1);
        showPress();
    });
    connect(wizard, &QPushButton::clicked, this, &TastenProg::runWizard);

    m_key = model7k ? 0 : 5; // F1, or "1" without F keys
    bind().reload(m_word);
    showLabel();
}

int TastenProg::registerOf(int key, int press, int mode)
{
    return ShortPress[key] + press + (mode ? TelephoneOffset : 0);
}

QString TastenProg::captionOf(int key)
{
    switch (key) {
    case 20:
        return tr("PTT");
    case 21:
        return tr("RUF");
    case 22:
        return tr("Z");
    case 23:
        return tr("LS");
    case Vol:
        return tr("VOL");
    default:
        return QString::fromLatin1(GridCaptions[key]);
    }
}

bool TastenProg::exists(int key, bool model7k)
{
    if (model7k)
        return key != Vol;
    return !(key <= 4 || key == 8 || key == 12 || key == 16);
}

bool TastenProg::select(int key, int press)
{
    // The shown word goes into the copy (completed to eight digits) before another is shown.
    if (!bind().commit())
        return false;
    m_key = key;
    m_press = press;
    bind().reload(m_word);
    showLabel();
    return true;
}

void TastenProg::showLabel()
{
    m_label->setText(tr("Taste ") + captionOf(m_key) + (m_press ? tr(" lang:") : tr(" kurz:")));
}

QList<SettingsDialog::Page> TastenProg::pages()
{
    // Keys of either model: a file may come from a unit of the other.
    QList<Page> out;
    const FunctionMode mode = m_mode ? FunctionMode::Telephone : FunctionMode::Normal;
    for (int key = 0; key < KeyCount; ++key) {
        for (int press = 0; press < 2; ++press) {
            const int reg = registerOf(key, press, m_mode);
            out << FunctionEditors::page((press ? tr("%1 lang") : tr("%1 kurz")).arg(captionOf(key)), reg,
                                         m_image->registerText(reg), mode);
        }
    }
    return out;
}

void TastenProg::showPress()
{
    (m_press ? m_long : m_short)->setChecked(true);
}

void TastenProg::runWizard()
{
    if (!bind().check())
        return;
    QString word = zeroPadRight(m_word->text().toUpper(), 8);
    FktAuswahl wizard(this, word, m_mode ? FunctionMode::Telephone : FunctionMode::Normal);
    wizard.exec();
    m_word->setText(word);
}

void TastenProg::confirmed()
{
    m_copy.writeBack(*m_image);
}

} // namespace quarn
