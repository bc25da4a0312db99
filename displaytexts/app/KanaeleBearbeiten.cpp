#include "displaytexts/app/KanaeleBearbeiten.h"

#include "displaytexts/app/HelpTexts.h"

namespace tekstor {

namespace {
const NumberedTextDialog::Captions ChannelCaptions{{"Kanaltexte bearbeiten", "Edit channel texts"},
                                                   {"Kanaltext:", "Channel text:"},
                                                   ChannelHelpCaption,
                                                   ChannelHelp};
}

KanaeleBearbeiten::KanaeleBearbeiten(QWidget* parent, Language language, Register& store, QList<int> channels)
    : NumberedTextDialog(parent, language, store, TextKind::Channels, std::move(channels), ChannelCaptions)
{
    setObjectName(QStringLiteral("KanaeleBearbeiten"));
}

} // namespace tekstor
