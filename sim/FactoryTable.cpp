#include "FactoryTable.h"

#include <QHash>

namespace sim {

namespace {

// Registers whose factory value is not "00000000". Weighted digits as the dialogs encode
// them (e.g. 70 ms in 10 ms units over two digits is "07").
const QHash<int, QByteArray>& table()
{
    static const QHash<int, QByteArray> values = {
        // Base settings.
        {10, "12345000"},  // call to send 12345, ID mode 5-tone
        {11, "00003000"},  // display German, monitor not automatic, 3 s key hold for programming mode
        {16, "FFFFFFFF"},  // ID evaluation: every position is an ID position
        {18, "EE000000"},  // muting off
        {19, "FFFFFFFF"},  // printer output for any sequence
        {50, "03000000"},  // speaker timer 30 s
        {51, "06001000"},  // transmit limit 60 s, simplex 4-wire, speaker on after call
        {52, "01000000"},  // display light 10 s after an event
        {55, "20100000"},  // transmitter lead 200 ms, key beep on
        {64, "00100000"},  // switch-on channel 1
        {65, "00990000"},  // channels 0-99 selectable
        {78, "31030000"},  // ZVEI emergency: 3 bursts, 50-150 ms
        {79, "24010000"},  // 6th tone NL: at most 1200 ms, at least 50 ms
        {80, "01810000"},  // first tone at most 90 ms, every tone at least 50 ms
        {81, "01810500"},  // other tones at most 90 ms, 0.1 s blocking, ZVEI, 5 tones in X-tone sequences
        {82, "07707000"},  // tone lengths and pause 70 ms, call not sent automatically
        {86, "10000000"},  // ID memory: update
        {90, "99900000"},  // limit number 999: tone sequences
        {99, "FFFFFFFF"},  // no user password
        {100, "15000000"}, // keep the last volume, 5 after switching on
        {101, "50000000"}, // listening input level 500
        {189, "50000000"}, // headset threshold 2.500 V
        // Telephone interface.
        {190, "B0000000"}, // ring tone B
        {191, "00000060"}, // leave telephone mode after 60 s without operation
        {310, "18000000"}, // at most 180 s of transmission during a call
        {365, "06003000"}, // call at most 600 s, 30 s without modulation
        {366, "06011000"}, // simplex transmit 60 s, DTMF dialling, duplex
        {367, "03013000"}, // simplex receive 30 s, dial tone detection, 3 rings
        {368, "04500000"}, // 45 s waiting for the far end
        {369, "05000000"}, // line access digit 0, 0.5 s signal delay
        {600, "00140014"}, // DTMF tone and pause 70 ms
        {601, "00400020"}, // DTMF lead 200 ms, trail 100 ms
        {602, "00008000"}, // DTMF levels
        {603, "00008000"},
        {604, "00008000"},
        {605, "00008000"},
        {606, "64400500"}, // DTMF decoder from the radio: 6 dB, 40 ms on, 40 ms off, level 500
        {607, "64400500"}, // DTMF decoder from the telephone
        {610, "12080160"}, // pulse dialling: 60 ms pulse, 40 ms pause, 800 ms between digits
        {611, "01000040"}, // pulse dialling lead 500 ms, trail 200 ms
        {652, "0AA01000"}, // pilot tone detector: no filter, 50 ms on/off, level 1000
        {669, "02000010"}, // pilot tone 2000 Hz, line filter on
    };
    return values;
}

} // namespace

QByteArray FactoryTable::value(int n)
{
    return table().value(n, QByteArray("00000000"));
}

} // namespace sim
