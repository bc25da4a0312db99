#pragma once

#include "sim/UnitOptions.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QVector>
#include <deque>
#include <optional>

namespace sim {

// The Quarn 7k/8k as seen from its serial line: bytes in, bytes out, with time. No threads
// and no I/O; the caller says what time it is. Every public member locks one mutex, so a
// worker thread may talk to the unit while a test thread looks at it.
//
// Commands end with CR; blanks, LF and NUL in front of a command are skipped (the display-
// text reads are followed by CR and 30 blanks). Register and display-text commands are
// answered only in PC mode, entered with "$PROGSTART". Outside PC mode every other command
// is answered with monitor output. Factory resets and "q" are understood in any mode, the
// short-dial commands ("WL", "WP") on a unit with telephone interface once a bare CR outside
// PC mode has woken it ("$PROGENDE\r", then "\r"), until "$PROGSTART" or "q".
class UnitModel {
public:
    struct Command {
        qint64 atMs;     // when its CR arrived at the unit
        QByteArray text; // without the CR and the leading blanks; may be empty
    };

    static constexpr int kRegisterCount = 800;
    static constexpr int kIdTextCount = 1000;
    static constexpr int kOwnTextCount = 1000;
    static constexpr int kChannelTextCount = 100;
    static constexpr int kShortDialCount = 1000;
    static constexpr int kBuiltInLanguages = 6;

    explicit UnitModel(const UnitOptions& options = {});

    UnitOptions options() const;

    // Bytes from the PC, written at nowMs.
    void receive(const QByteArray& bytes, qint64 nowMs);
    // Bytes the unit has sent by nowMs (removed from the pending output).
    QByteArray takeOutput(qint64 nowMs);
    // When the next pending byte becomes available; nothing when no output is pending.
    std::optional<qint64> nextOutputAt() const;
    bool hasPendingOutput() const;
    // The hang-up fault has dropped the line: nothing goes in or out any more.
    bool lineDropped() const;
    // The same in microseconds, for serving in real time without millisecond rounding.
    void receiveAtUs(const QByteArray& bytes, qint64 nowUs);
    QByteArray takeOutputAtUs(qint64 nowUs);
    std::optional<qint64> nextOutputAtUs() const;

    // --- registers (8 upper-case hex digits each) ---
    // True for the registers this unit has: 0-199, and 300-499 and 600-799 with telephone interface.
    bool hasRegister(int n) const;
    QString registerText(int n) const;
    void setRegisterText(int n, const QString& text);
    void factoryResetBase();
    void factoryResetTelephone();
    // Grows by one with every change of a register, text or short-dial entry.
    quint64 revision() const;

    // --- modes ---
    bool inPcMode() const;
    bool inTelephoneMode() const;
    // The reply to "$PROGSTART".
    QByteArray selfDescription() const;

    // --- what the unit has seen (for tests) ---
    QList<QByteArray> commandsReceived() const;
    QList<Command> commandLog() const;
    void clearCommandLog();

    // --- display texts, in the unit's display codes ---
    QByteArray idText(int id) const; // flag + 24 characters; "X" + blanks when none
    void setIdText(int id, const QByteArray& text);
    QByteArray channelText(int channel) const; // flag + 24 characters
    void setChannelText(int channel, const QByteArray& text);
    // Own text n of language '0'-'5' (built in) or 'F' (programmed own texts): 24 display
    // characters and 8 configuration characters. Empty for an unknown language.
    QByteArray ownText(char language, int n) const;
    void setOwnText(int n, const QByteArray& text); // language 'F'
    // Number of own texts minus one, as answered to "$RT9999".
    int lastOwnTextIndex() const;

    // --- short-dial memory of the telephone interface ---
    QByteArray shortDialEntry(int n) const; // at most 16 characters, without padding
    void setShortDialEntry(int n, const QByteArray& digits);

private:
    struct OutByte {
        qint64 atNs;
        char byte;
    };

    void receiveAtNs(const QByteArray& bytes, qint64 nowNs);
    QByteArray takeOutputAtNs(qint64 nowNs);
    void handleByte(char byte, qint64 atNs);
    void execute(const QByteArray& command, qint64 atNs);
    bool executeAnyMode(const QByteArray& command, qint64 atNs);
    void executePcMode(const QByteArray& command, qint64 atNs);
    void readRegister(int n, qint64 atNs);
    void writeRegister(int n, const QByteArray& digits, qint64 atNs);
    void readText(char kind, char language, int n, qint64 atNs);
    void programText(char kind, const QByteArray& rest);
    void listShortDial(const QByteArray& command, qint64 atNs);
    void storeShortDial(const QByteArray& command);
    void sendMonitorOutput(qint64 atNs);
    // Counts a reply that the drop, corrupt and noise faults act on; false when it is to be
    // dropped.
    bool countReply(bool& corrupt, qint64 atNs);
    void send(const QByteArray& bytes, qint64 atNs);
    void touch() { ++m_revision; }
    QByteArray noiseBytes();
    // The babble and break faults: the line delivers bytes of its own without end.
    bool babbles() const;
    void babbleUntil(qint64 nowNs);
    std::optional<qint64> nextOutputNs() const;
    QByteArray lockedRegister(int n) const;
    int lockedLastOwnTextIndex() const;
    void resetBase();
    void resetTelephone();

    mutable QMutex m_mutex;
    UnitOptions m_options;
    QVector<QByteArray> m_registers;
    QVector<QByteArray> m_idTexts;
    QVector<QByteArray> m_channelTexts;
    QVector<QByteArray> m_ownTexts; // programmed own texts; empty = never programmed
    QVector<QByteArray> m_shortDial;
    QByteArray m_pending;
    std::deque<OutByte> m_output;
    QList<Command> m_log;
    qint64 m_inLineFreeNs = 0;
    qint64 m_outLineFreeNs = 0;
    quint64 m_revision = 0;
    int m_replyCount = 0;
    int m_monitorCount = 0;
    quint32 m_noiseState = 0x2545F491u;
    bool m_drowned = false;     // noise=N: the line carries nothing but noise now
    qint64 m_babbleNextNs = -1; // next byte of the babble fault; -1 before it started
    int m_commandCount = 0;
    bool m_lineDropped = false;
    int m_shortDialLinesSent = 0; // cutoff=N: entry lines sent so far
    bool m_dropWhenSent = false;  // cutoff=N: the line drops once the last byte went out
    bool m_pcMode = false;
    bool m_telephoneMode = false;
};

} // namespace sim
