#include "sim/UnitModel.h"

#include "sim/BuiltInTexts.h"
#include "sim/FactoryTable.h"
#include "sim/ShortDialDefaults.h"

#include <QMutexLocker>
#include <algorithm>

namespace sim {

namespace {

// One byte of 8N1 at 9600 baud: 10 bits.
constexpr qint64 kByteNs = 1'041'667;
constexpr qint64 kNsPerMs = 1'000'000;
constexpr qint64 kDrownedNoiseGapNs = 100 * kNsPerMs;
constexpr int kDrownedNoiseBytes = 300;
// A command longer than this is line noise; it is dropped instead of growing without end.
constexpr int kMaxCommandLength = 256;
constexpr qsizetype kMaxLoggedCommands = 100'000;

const QByteArray kBlankIdText = QByteArray("X") + QByteArray(24, ' ');
const QByteArray kBlankChannelText = QByteArray("0") + QByteArray(24, ' ');
const QByteArray kBlankOwnText = QByteArray(24, ' ') + QByteArray("00000001");

bool allDigits(const QByteArray& text, int from, int count)
{
    if (text.size() < from + count)
        return false;
    for (int i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

int number3(const QByteArray& text, int from)
{
    return (text[from] - '0') * 100 + (text[from + 1] - '0') * 10 + (text[from + 2] - '0');
}

bool isUpperHex(const QByteArray& digits)
{
    if (digits.size() != 8)
        return false;
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

QByteArray fitted(const QByteArray& text, int length)
{
    QByteArray result = text.left(length);
    if (result.size() < length)
        result.append(QByteArray(length - result.size(), ' '));
    return result;
}

QByteArray three(int n)
{
    return QByteArray::number(n).rightJustified(3, '0');
}

} // namespace

UnitModel::UnitModel(const UnitOptions& options)
    : m_options(options), m_registers(kRegisterCount), m_idTexts(kIdTextCount, kBlankIdText),
      m_channelTexts(kChannelTextCount, kBlankChannelText), m_ownTexts(kOwnTextCount),
      m_shortDial(kShortDialCount)
{
    for (int n = 0; n < kRegisterCount; ++n)
        m_registers[n] = FactoryTable::value(n);
    for (int n = 0; n < kShortDialCount; ++n)
        m_shortDial[n] = ShortDialDefaults::entry(n);
}

UnitOptions UnitModel::options() const
{
    QMutexLocker lock(&m_mutex);
    return m_options;
}

void UnitModel::receive(const QByteArray& bytes, qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    receiveAtNs(bytes, nowMs * kNsPerMs);
}

void UnitModel::receiveAtUs(const QByteArray& bytes, qint64 nowUs)
{
    QMutexLocker lock(&m_mutex);
    receiveAtNs(bytes, nowUs * 1000);
}

void UnitModel::receiveAtNs(const QByteArray& bytes, qint64 nowNs)
{
    if (babbles() && m_options.faultParam == 0 && m_babbleNextNs < 0 && !bytes.isEmpty())
        m_babbleNextNs = nowNs;
    for (const char byte : bytes) {
        if (m_lineDropped)
            return;
        qint64 atNs = nowNs;
        if (m_options.baudTiming) {
            atNs = std::max(nowNs, m_inLineFreeNs) + kByteNs;
            m_inLineFreeNs = atNs;
        }
        handleByte(byte, atNs);
    }
}

QByteArray UnitModel::takeOutput(qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    return takeOutputAtNs(nowMs * kNsPerMs);
}

QByteArray UnitModel::takeOutputAtUs(qint64 nowUs)
{
    QMutexLocker lock(&m_mutex);
    return takeOutputAtNs(nowUs * 1000);
}

QByteArray UnitModel::takeOutputAtNs(qint64 nowNs)
{
    babbleUntil(nowNs);
    QByteArray out;
    while (!m_output.empty() && m_output.front().atNs <= nowNs) {
        out.append(m_output.front().byte);
        m_output.pop_front();
    }
    if (m_dropWhenSent && m_output.empty())
        m_lineDropped = true;
    return out;
}

std::optional<qint64> UnitModel::nextOutputNs() const
{
    if (!m_output.empty())
        return m_output.front().atNs;
    if (m_babbleNextNs >= 0)
        return m_babbleNextNs;
    return std::nullopt;
}

std::optional<qint64> UnitModel::nextOutputAt() const
{
    QMutexLocker lock(&m_mutex);
    const std::optional<qint64> next = nextOutputNs();
    if (!next)
        return std::nullopt;
    // Rounded up: the byte is complete only at the end of that millisecond.
    return (*next + kNsPerMs - 1) / kNsPerMs;
}

std::optional<qint64> UnitModel::nextOutputAtUs() const
{
    QMutexLocker lock(&m_mutex);
    const std::optional<qint64> next = nextOutputNs();
    if (!next)
        return std::nullopt;
    return (*next + 999) / 1000;
}

bool UnitModel::hasPendingOutput() const
{
    QMutexLocker lock(&m_mutex);
    return nextOutputNs().has_value();
}

bool UnitModel::lineDropped() const
{
    QMutexLocker lock(&m_mutex);
    return m_lineDropped;
}

bool UnitModel::hasRegister(int n) const
{
    if (n >= 0 && n <= 199)
        return true;
    const bool telephoneBlock = (n >= 300 && n <= 499) || (n >= 600 && n <= 799);
    return telephoneBlock && m_options.telephone; // options never change after construction
}

QString UnitModel::registerText(int n) const
{
    QMutexLocker lock(&m_mutex);
    return QString::fromLatin1(lockedRegister(n));
}

QByteArray UnitModel::lockedRegister(int n) const
{
    if (n < 0 || n >= kRegisterCount)
        return {};
    return m_registers[n];
}

void UnitModel::setRegisterText(int n, const QString& text)
{
    QMutexLocker lock(&m_mutex);
    if (n < 0 || n >= kRegisterCount)
        return;
    const QByteArray digits = text.toLatin1();
    if (!isUpperHex(digits) || m_registers[n] == digits)
        return;
    m_registers[n] = digits;
    touch();
}

void UnitModel::factoryResetBase()
{
    QMutexLocker lock(&m_mutex);
    resetBase();
}

void UnitModel::factoryResetTelephone()
{
    QMutexLocker lock(&m_mutex);
    resetTelephone();
}

void UnitModel::resetBase()
{
    for (int n = 0; n <= 199; ++n)
        m_registers[n] = FactoryTable::value(n);
    touch();
}

void UnitModel::resetTelephone()
{
    if (!m_options.telephone)
        return;
    for (int n = 300; n < kRegisterCount; ++n) {
        if (hasRegister(n))
            m_registers[n] = FactoryTable::value(n);
    }
    // The telephone module forgets its short-dial memory as well.
    std::fill(m_shortDial.begin(), m_shortDial.end(), QByteArray());
    touch();
}

quint64 UnitModel::revision() const
{
    QMutexLocker lock(&m_mutex);
    return m_revision;
}

bool UnitModel::inPcMode() const
{
    QMutexLocker lock(&m_mutex);
    return m_pcMode;
}

bool UnitModel::inTelephoneMode() const
{
    QMutexLocker lock(&m_mutex);
    return m_telephoneMode;
}

QByteArray UnitModel::selfDescription() const
{
    // "$START" first for the display-text editor (which reads 39 bytes), then the model and
    // firmware line, ended by CR at position 22 for the configuration program's version
    // text, then a line that makes the reply longer than 28 characters on its own.
    const QByteArray model = m_options.model == Model::Q7k ? "Quarn 7k" : "Quarn 8k";
    return "$START\r\n" + model + " V3.20\r\nPC-Verbindung\r\n";
}

QList<QByteArray> UnitModel::commandsReceived() const
{
    QMutexLocker lock(&m_mutex);
    QList<QByteArray> texts;
    texts.reserve(m_log.size());
    for (const Command& c : m_log)
        texts.append(c.text);
    return texts;
}

QList<UnitModel::Command> UnitModel::commandLog() const
{
    QMutexLocker lock(&m_mutex);
    return m_log;
}

void UnitModel::clearCommandLog()
{
    QMutexLocker lock(&m_mutex);
    m_log.clear();
}

QByteArray UnitModel::idText(int id) const
{
    QMutexLocker lock(&m_mutex);
    return (id >= 0 && id < kIdTextCount) ? m_idTexts[id] : QByteArray();
}

void UnitModel::setIdText(int id, const QByteArray& text)
{
    QMutexLocker lock(&m_mutex);
    if (id >= 0 && id < kIdTextCount) {
        m_idTexts[id] = fitted(text, 25);
        touch();
    }
}

QByteArray UnitModel::channelText(int channel) const
{
    QMutexLocker lock(&m_mutex);
    return (channel >= 0 && channel < kChannelTextCount) ? m_channelTexts[channel] : QByteArray();
}

void UnitModel::setChannelText(int channel, const QByteArray& text)
{
    QMutexLocker lock(&m_mutex);
    if (channel >= 0 && channel < kChannelTextCount) {
        m_channelTexts[channel] = fitted(text, 25);
        touch();
    }
}

QByteArray UnitModel::ownText(char language, int n) const
{
    QMutexLocker lock(&m_mutex);
    if (n < 0 || n >= kOwnTextCount)
        return {};
    if (language == 'F')
        return m_ownTexts[n].isEmpty() ? kBlankOwnText : m_ownTexts[n];
    if (language < '0' || language >= '0' + kBuiltInLanguages)
        return {};
    const QByteArray text = BuiltInTexts::ownText(language - '0', n);
    return text.isEmpty() ? kBlankOwnText : text;
}

void UnitModel::setOwnText(int n, const QByteArray& text)
{
    QMutexLocker lock(&m_mutex);
    if (n >= 0 && n < kOwnTextCount) {
        m_ownTexts[n] = fitted(text, 32);
        touch();
    }
}

int UnitModel::lastOwnTextIndex() const
{
    QMutexLocker lock(&m_mutex);
    return lockedLastOwnTextIndex();
}

int UnitModel::lockedLastOwnTextIndex() const
{
    int last = BuiltInTexts::kCount - 1;
    for (int n = kOwnTextCount - 1; n > last; --n) {
        if (!m_ownTexts[n].isEmpty()) {
            last = n;
            break;
        }
    }
    return last;
}

QByteArray UnitModel::shortDialEntry(int n) const
{
    QMutexLocker lock(&m_mutex);
    return (n >= 0 && n < kShortDialCount) ? m_shortDial[n] : QByteArray();
}

void UnitModel::setShortDialEntry(int n, const QByteArray& digits)
{
    QMutexLocker lock(&m_mutex);
    if (n >= 0 && n < kShortDialCount) {
        m_shortDial[n] = digits.left(16);
        touch();
    }
}

// ---------------------------------------------------------------------------------------

void UnitModel::handleByte(char byte, qint64 atNs)
{
    if (byte == '\r') {
        const QByteArray command = m_pending;
        m_pending.clear();
        execute(command, atNs);
        return;
    }
    if (m_pending.isEmpty() && (byte == ' ' || byte == '\n' || byte == '\0'))
        return;
    if (m_pending.size() >= kMaxCommandLength)
        m_pending.clear();
    m_pending.append(byte);
}

void UnitModel::execute(const QByteArray& command, qint64 atNs)
{
    if (m_log.size() >= kMaxLoggedCommands)
        m_log.removeFirst(); // a unit served for days keeps the recent past only
    m_log.append(Command{atNs / kNsPerMs, command});
    if (m_options.fault == Fault::Silent)
        return;
    if (babbles() && ++m_commandCount > m_options.faultParam) {
        if (m_babbleNextNs < 0)
            m_babbleNextNs = atNs;
        return;
    }
    if (m_options.fault == Fault::HangUp && ++m_commandCount >= m_options.faultParam) {
        // Mid-exchange: this command is the last the unit takes, and what it had still
        // to send is lost with the line.
        m_lineDropped = true;
        m_output.clear();
        return;
    }
    if (executeAnyMode(command, atNs))
        return;
    if (!m_pcMode) {
        if (!command.isEmpty())
            sendMonitorOutput(atNs);
        return;
    }
    executePcMode(command, atNs);
}

bool UnitModel::executeAnyMode(const QByteArray& command, qint64 atNs)
{
    if (command == "$PROGSTART") {
        if (m_options.fault == Fault::Monitor)
            return false; // stays in its menu: monitor output below
        m_pcMode = true;
        m_telephoneMode = false;
        send(selfDescription(), atNs);
        return true;
    }
    if (command == "$PROGENDE") {
        m_pcMode = false;
        return true;
    }
    if (command.isEmpty()) {
        // A bare CR outside PC mode wakes the telephone interface's command mode.
        if (!m_pcMode && m_options.telephone)
            m_telephoneMode = true;
        return true;
    }
    if (command == "P222") {
        resetBase();
        return true;
    }
    if (command == "P522") {
        resetTelephone();
        return true;
    }
    if (command == "q") {
        m_telephoneMode = false;
        return true;
    }
    // The short-dial commands need the telephone interface awake: "$PROGENDE", then a bare CR.
    if (m_telephoneMode && command.startsWith("WL")) {
        listShortDial(command, atNs);
        return true;
    }
    if (m_telephoneMode && command.startsWith("WP")) {
        storeShortDial(command);
        return true;
    }
    return false;
}

void UnitModel::executePcMode(const QByteArray& command, qint64 atNs)
{
    if (command.size() < 3 || command[0] != '$')
        return; // not a command of the PC mode; the unit ignores it
    const char op = command[1];
    const char kind = command[2];
    if (op == 'R' && (kind == 'K' || kind == 'C') && allDigits(command, 3, 3)) {
        readText(kind, ' ', number3(command, 3), atNs);
        return;
    }
    if (op == 'R' && kind == 'T') {
        if (command.mid(3, 4) == "9999") {
            QByteArray reply = QByteArray("$T9999 Letzter eigener Text:").leftJustified(36, ' ');
            reply += three(std::min(lockedLastOwnTextIndex(), 999)) + "\r\n";
            bool corrupt = false;
            if (countReply(corrupt, atNs))
                send(reply, atNs);
            return;
        }
        if (allDigits(command, 4, 3))
            readText('T', command[3], number3(command, 4), atNs);
        return;
    }
    if (op == 'P' && (kind == 'K' || kind == 'C' || kind == 'T')) {
        programText(kind, command.mid(3));
        return;
    }
    if (op == 'R' && command.size() == 5 && allDigits(command, 2, 3)) {
        readRegister(number3(command, 2), atNs);
        return;
    }
    if (op == 'P' && allDigits(command, 2, 3)) {
        writeRegister(number3(command, 2), command.mid(5), atNs);
        return;
    }
}

bool UnitModel::countReply(bool& corrupt, qint64 atNs)
{
    ++m_replyCount;
    corrupt = false;
    const int n = m_options.faultParam;
    if (m_options.fault == Fault::Noise && n > 0 && m_replyCount >= n) {
        if (!m_drowned) {
            // From here on only noise: a stray byte every 100 ms for 30 s, never a reply.
            m_drowned = true;
            qint64 t = std::max(atNs, m_outLineFreeNs);
            for (int i = 0; i < kDrownedNoiseBytes; ++i) {
                t += kDrownedNoiseGapNs;
                m_output.push_back(OutByte{t, noiseBytes().at(0)});
            }
            m_outLineFreeNs = t;
        }
        return false;
    }
    if (m_options.fault == Fault::Drop && n > 0 && m_replyCount % n == 0)
        return false;
    if (m_options.fault == Fault::Corrupt && n > 0 && m_replyCount % n == 0)
        corrupt = true;
    return true;
}

void UnitModel::readRegister(int n, qint64 atNs)
{
    if (!hasRegister(n))
        return; // registers the unit does not have are not answered
    bool corrupt = false;
    if (!countReply(corrupt, atNs))
        return;
    QByteArray digits = m_registers[n];
    if (corrupt)
        digits[7] = digits[7] == '0' ? '1' : '0';
    send("$R" + three(n) + digits + "\r\n", atNs);
}

void UnitModel::writeRegister(int n, const QByteArray& digits, qint64 atNs)
{
    if (!hasRegister(n))
        return;
    // Only 8 hex digits reach the EEPROM; anything else leaves the register as it was, and the
    // echo of the stored value tells the PC so.
    if (isUpperHex(digits) && m_registers[n] != digits) {
        m_registers[n] = digits;
        touch();
    }
    bool corrupt = false;
    if (!countReply(corrupt, atNs))
        return;
    QByteArray echo = m_registers[n];
    if (corrupt)
        echo[7] = echo[7] == '0' ? '1' : '0';
    send("$R" + three(n) + echo + "\r\n", atNs);
}

void UnitModel::readText(char kind, char language, int n, qint64 atNs)
{
    QByteArray header;
    QByteArray text;
    if (kind == 'K') {
        if (n >= kIdTextCount)
            return;
        header = "$K" + three(n) + ":";
        text = m_idTexts[n];
    } else if (kind == 'C') {
        if (n >= kChannelTextCount)
            return;
        header = "$C" + three(n) + ":";
        text = m_channelTexts[n];
    } else {
        if (n >= kOwnTextCount)
            return;
        if (language == 'F') {
            text = m_ownTexts[n].isEmpty() ? kBlankOwnText : m_ownTexts[n];
        } else if (language >= '0' && language < '0' + kBuiltInLanguages) {
            text = BuiltInTexts::ownText(language - '0', n);
            if (text.isEmpty())
                text = kBlankOwnText;
        } else {
            return; // no such language
        }
        header = "$T" + QByteArray(1, language) + three(n);
    }
    bool corrupt = false;
    if (!countReply(corrupt, atNs))
        return;
    if (corrupt)
        text[1] = text[1] == '#' ? '*' : '#';
    // A stray byte on the line just before the reply: the line is one character long.
    const bool stray = m_options.fault == Fault::Stray && m_replyCount % m_options.faultParam == 0;
    send((stray ? QByteArray("~") : QByteArray()) + header + text + "\n", atNs);
}

void UnitModel::programText(char kind, const QByteArray& rest)
{
    if (rest.isEmpty())
        return; // "$PK", "$PT", "$PC": end of programming; the texts are already stored
    if (!allDigits(rest, 0, 3))
        return;
    const int n = number3(rest, 0);
    const QByteArray text = rest.mid(3);
    if (kind == 'K' && n < kIdTextCount)
        m_idTexts[n] = fitted(text, 25);
    else if (kind == 'C' && n < kChannelTextCount)
        m_channelTexts[n] = fitted(text, 25);
    else if (kind == 'T' && n < kOwnTextCount)
        m_ownTexts[n] = fitted(text, 32);
    else
        return;
    touch();
}

void UnitModel::listShortDial(const QByteArray& command, qint64 atNs)
{
    // "WL" first "-" last: the echo, then one line per entry, "WP" nnn ":" and the digits
    // padded with "." to 16, now and then a stray '#' between lines; the end of the list is
    // silence.
    QByteArray reply = command + "\r";
    if (command.size() == 9 && allDigits(command, 2, 3) && command[5] == '-' && allDigits(command, 6, 3)) {
        const int first = number3(command, 2);
        const int last = number3(command, 6);
        for (int n = first; n <= last; ++n) {
            if (m_options.fault == Fault::Cutoff && m_shortDialLinesSent++ >= m_options.faultParam) {
                // The line dies here: what went out still arrives, then the line drops.
                m_dropWhenSent = true;
                break;
            }
            const QByteArray& entry = m_shortDial[n];
            reply += "WP" + three(n) + ":" + entry + QByteArray(16 - entry.size(), '.') + "\r";
            if (ShortDialDefaults::strayHashAfter(n))
                reply += '#';
        }
    }
    send(reply, atNs);
}

void UnitModel::storeShortDial(const QByteArray& command)
{
    if (command.size() < 6 || !allDigits(command, 2, 3) || command[5] != ':')
        return;
    QByteArray digits = command.mid(6).left(16);
    while (digits.endsWith('.'))
        digits.chop(1);
    const int n = number3(command, 2);
    if (m_shortDial[n] != digits) {
        m_shortDial[n] = digits;
        touch();
    }
}

void UnitModel::sendMonitorOutput(qint64 atNs)
{
    // What the unit's "Online-Monitor" shows of the radio traffic it hears.
    static const char* const kSequences[] = {"21301", "12345", "40815", "77001", "31472"};
    const char* sequence = kSequences[m_monitorCount++ % 5];
    send(QByteArray("\r\nOnline-Monitor\r\n----------------\r\nTX = ") + sequence + "\r\n", atNs);
}

QByteArray UnitModel::noiseBytes()
{
    // Deterministic line noise: one or two bytes, never "$", CR or LF. It disturbs the text
    // around a reply but cannot fake one, and a register echo still starts within the first
    // 7 characters, as the bulk send requires.
    static const char kNoise[] = {'\0', '~', '#', '.', '*', char(0xFF), 'x', '!'};
    m_noiseState ^= m_noiseState << 13;
    m_noiseState ^= m_noiseState >> 17;
    m_noiseState ^= m_noiseState << 5;
    const int count = 1 + int(m_noiseState % 2);
    QByteArray noise;
    for (int i = 0; i < count; ++i)
        noise.append(kNoise[(m_noiseState >> (8 + 3 * i)) & 7]);
    return noise;
}

bool UnitModel::babbles() const
{
    return m_options.fault == Fault::Babble || m_options.fault == Fault::Break;
}

void UnitModel::babbleUntil(qint64 nowNs)
{
    // Noise of a line whose far end never answers: a stray byte every 5 ms, for ever. A line
    // in break delivers a NUL byte about as often as 9600 baud allows.
    const bool inBreak = m_options.fault == Fault::Break;
    const qint64 gapNs = (inBreak ? 1 : 5) * kNsPerMs;
    if (!babbles() || m_babbleNextNs < 0)
        return;
    while (m_babbleNextNs <= nowNs) {
        for (const char byte : inBreak ? QByteArray(1, '\0') : noiseBytes())
            m_output.push_back(OutByte{m_babbleNextNs, byte});
        m_babbleNextNs += gapNs;
    }
}

void UnitModel::send(const QByteArray& bytes, qint64 atNs)
{
    QByteArray out = bytes;
    if (m_options.fault == Fault::Noise)
        out.prepend(noiseBytes());
    qint64 start = atNs;
    if (m_options.fault == Fault::Slow)
        start += qint64(m_options.faultParam) * kNsPerMs;
    start = std::max(start, m_outLineFreeNs);
    qint64 t = start;
    for (const char byte : out) {
        if (m_options.baudTiming)
            t += kByteNs;
        m_output.push_back(OutByte{t, byte});
    }
    m_outLineFreeNs = t;
}

} // namespace sim
