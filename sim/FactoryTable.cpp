#include "sim/FactoryTable.h"

#include <QHash>

namespace sim {

namespace {

// Registers whose factory value is not "00000000". Every value is what the settings dialog
// for it would write back unchanged: weighted digits as the dialogs encode them (70 ms in
// 10 ms units over two digits is "07"), list digits within their lists, unused positions as
// the dialogs fill them. A register left out holds "00000000", which is the empty value of
// its settings (no function, off, not used) or a register no dialog edits.
QHash<int, QByteArray> buildTable()
{
    QHash<int, QByteArray> v;

    // Target calls 0-9 and external target calls A-E are left unprogrammed: the fleet's numbers
    // are the customer's. "00000000" is what the dialog writes for them: 5-tone call "00000",
    // digits 5-6 "0", ID mode 0. An external call is repeated after 30 s.
    v.insert(102, "00300000");
    v.insert(14, "12340000"); // intercom sequence 1234

    // Call encoder: call 12345 in 5-tone mode, own ID 20001 (5-tone: the ID field is not written),
    // 5 tones in X-tone sequences (register 81), all tone lengths and the pause 70 ms, not sent
    // automatically after the last digit.
    v.insert(10, "12345000");
    v.insert(15, "20001000");
    v.insert(82, "07707000");

    // General configuration: display German, monitor not automatic, 3 s key hold for the
    // programming mode; transmit limit 60 s, simplex 4-wire, speaker on after a call; display
    // light 10 s after an event; transmitter lead 200 ms, key beep on (55 digits 3-4: no FFSK
    // identifiers at PTT); listening level 500; headset threshold 2,500 V.
    v.insert(11, "00003000");
    v.insert(51, "06001000");
    v.insert(52, "01000000");
    v.insert(55, "20100000");
    v.insert(101, "50000000");
    v.insert(189, "50000000");
    // Speaker timer 30 s, speaker off on lifting and on hanging up (Quarn 8k: off at switch-on);
    // keep the last volume, 5 after switching on.
    v.insert(50, "03000000");
    v.insert(100, "15000000");
    // No user password and no master password.
    v.insert(99, "FFFFFFFF");
    v.insert(97, "FFFFFFFF");

    // Tone evaluation: every key-tone position is an ID position; standard acknowledgement
    // 20001 (the own ID, 5 tones); muting off ("EE"); printer output for any sequence. The
    // reference values are those of the "Standards..." box: 90/90/50 ms, 0.1 s, ZVEI; ZVEI
    // emergency 3 bursts of 50-150 ms; 6th tone NL 50-1200 ms. ID memory: update when full.
    v.insert(16, "FFFFFFFF");
    v.insert(17, "20001005");
    v.insert(18, "EE000000");
    v.insert(19, "FFFFFFFF");
    v.insert(78, "31030000");
    v.insert(79, "24010000");
    v.insert(80, "01810000");
    v.insert(81, "01810500");
    v.insert(86, "10000000");

    // Decoders 1-10: inactive, 5-tone "00000" with positions 5-6 "F"; no alarm tone type but
    // 1,0 s at offset +0 ready, call volume offset +0; no output, acknowledgement or speaker.
    for (int i = 0; i < 10; ++i) {
        v.insert(20 + i, "00000FF0");
        v.insert(30 + i, "05A0A000");
    }

    // FFSK: limit number 999 with tone sequences above it, "#" identifier 0; emergency call off,
    // BAK 0, no suppression; no status, virtual statuses 5 and 9 shown 5 s; emergency sequence
    // "FFFFF" (every position shown), reactions as for the decoders.
    v.insert(90, "99900000");
    v.insert(54, "00055000");
    v.insert(94, "FFFFF000");
    v.insert(92, "05A0A000");

    // Inputs and outputs: pins 1-7 unused, the TX line an output.
    v.insert(96, "00100000");

    // Printer: header on, 60 lines per page (1-165), sent, received and emergency calls printed.
    // RS232 reports tone sequences and emergency calls.
    v.insert(57, "16000000");
    v.insert(58, "11100000");
    v.insert(59, "00300000");

    // Channel switching: switch-on channel 1, channels 0-99, two-digit entry, TRC output;
    // remote switching sequence begins with "BCD" (the acknowledgement is BCDxy).
    v.insert(63, "BCD00000");
    v.insert(64, "00100000");
    v.insert(65, "00990000");
    v.insert(66, "20000000");
    // Scanner off; channels 01-08 prepared, the channel list empty ("FF" ends it); stop on a
    // carrier and wait 2,0 s for an evaluation.
    v.insert(67, "01080000");
    v.insert(68, "12000000");
    for (int r = 70; r <= 74; ++r)
        v.insert(r, "FFFF0000");

    // Radio-side audio: squelch input low active, NF squelch off with 200 ms follow-up and
    // evaluated in simplex only while the own transmitter is off; pilot tone off with 100 ms
    // DC blocking; radio mute output off (prepared for RX, 2 s follow-up), no HOOK output;
    // roger beep 1000 Hz for 100 ms, off at both ends of PTT.
    v.insert(56, "00200000");
    v.insert(69, "00000500");
    v.insert(83, "01200000");
    v.insert(87, "10001000");

    // Alarm evaluator KR517bD: sequence 0000, acknowledged without pilot tone; no alarm tone
    // type (1,0 s at offset +0 ready); no query at switch-on, no output, acknowledgement sent,
    // display until confirmed with "#". Group-call evaluator inactive, reactions as decoders.
    v.insert(75, "00006000");
    v.insert(76, "05A00000");
    v.insert(77, "00010000");
    v.insert(84, "F0000000");
    v.insert(85, "05A0A000");

    // Inputs: PTT2 keys the transmitter (gooseneck microphone) and releases it; the other
    // inputs have no function.
    v.insert(108, "34000000");
    v.insert(109, "3F000000");

    // Keys in normal mode (short press, long press in the next register). Digit keys enter
    // their tone, "*" deletes the last entry (long: the whole call), "#" shows the next ID
    // (long: deletes it), PTT keys with the gooseneck microphone for as long as it is held,
    // RUF sends the entered call (long: callback), Z sends the target call whose number is
    // entered next (long: telephone mode), LS toggles the speaker, VOL steps the volume up
    // (long: down). F1-F4 and S1-S4 are left free for the customer.
    const int digitKey[10] = {130, 132, 134, 136, 138, 140, 142, 144, 146, 148};
    for (int k = 0; k < 10; ++k)
        v.insert(digitKey[k], QByteArray("71") + char('0' + k) + "00000");
    v.insert(158, "70010000");
    v.insert(159, "70000000");
    v.insert(160, "61000000");
    v.insert(161, "60000000");
    v.insert(170, "30000000");
    v.insert(171, "30000000");
    v.insert(172, "20001000");
    v.insert(173, "21001000");
    v.insert(174, "22F01000");
    v.insert(175, "B1000000");
    v.insert(176, "40000000");
    v.insert(178, "41A09000");
    v.insert(179, "41B09000");

    // Telephone mode: connection held 180 s of transmission at most; ring tone B; leaving the
    // mode after 60 s without operation runs "normal mode" (B00000). Call at most 600 s, 30 s
    // without modulation; simplex transmit 60 s, DTMF dialling, duplex; simplex receive 30 s,
    // dial-tone detection, 3 rings; 45 s waiting for the far end; line access digit 0,
    // 0,5 s signal delay, no announcements.
    v.insert(190, "B0000000");
    v.insert(191, "B0000060");
    v.insert(310, "18000000");
    v.insert(365, "06003000");
    v.insert(366, "06011000");
    v.insert(367, "03013000");
    v.insert(368, "04500000");
    v.insert(369, "05000000");
    // Telephone chip: normal headroom, TBR21 termination, normal gain, current sensor on,
    // ring threshold 10/20 V, line in use 22,5 V. Audio delay 100 ms without compression;
    // VOX on both sides at level 20 after 50 ms, off below 10 after 500 ms; output levels
    // 8000 for speech, 4000 for tones, 2000 for the pilot tone; telephone input +0,0 dB.
    v.insert(616, "16000000");
    v.insert(617, "01000000");
    v.insert(618, "20051050");
    v.insert(619, "20051050");
    v.insert(620, "00008000");
    v.insert(621, "00008000");
    v.insert(622, "00004000");
    v.insert(623, "00004000");
    v.insert(624, "00002000");
    v.insert(625, "00002000");
    v.insert(627, "06000000");

    // Keys in telephone mode: digit keys, "*" and "#" dial their digit ("*" long deletes the
    // last digit), PTT as in normal mode, RUF dials, answers or hangs up with the speaker
    // unchanged, Z hangs up (long: back to normal mode), LS and VOL as in normal mode.
    for (int k = 0; k < 10; ++k)
        v.insert(digitKey[k] + 300, QByteArray("71") + char('0' + k) + "00000");
    v.insert(458, "71E00000");
    v.insert(459, "70100000");
    v.insert(460, "71F00000");
    v.insert(470, "30000000");
    v.insert(471, "30000000");
    v.insert(472, "80200000");
    v.insert(474, "82000000");
    v.insert(475, "B0000000");
    v.insert(476, "40000000");
    v.insert(478, "41A09000");
    v.insert(479, "41B09000");

    // Telephone decoders 1-10: not used, 5 tones, every position "F".
    for (int k = 0; k < 10; ++k) {
        v.insert(320 + k, "FFFFFFFF");
        v.insert(330 + k, "50000000");
    }

    // DTMF: "*" deletes and "#" ends an entry from either side, confirmation tone on a begin
    // call; begin call "*1", end call "*0"; the interface answers begin calls with DTMF,
    // short dial and through-dialling from the telephone. Through-dialling: 5-tone, every
    // position entered at the telephone, started with "#"; night switching likewise, its last
    // state kept; coupling tones "F" (pause).
    v.insert(357, "EFEF1000");
    v.insert(358, "2E100000");
    v.insert(359, "2E000000");
    v.insert(360, "11010000");
    v.insert(361, "FFFFF001");
    v.insert(362, "FFFFF000");
    v.insert(363, "0F0F0000");
    // DTMF encoder: tone and pause 70 ms, lead 200 ms, trail 100 ms, levels 8000; decoders:
    // 6 dB twist, 40 ms on, 40 ms off, minimum level 500.
    v.insert(600, "00140014");
    v.insert(601, "00400020");
    for (int r = 602; r <= 605; ++r)
        v.insert(r, "00008000");
    v.insert(606, "64400500");
    v.insert(607, "64400500");

    // Dial-tone decoder: tolerance 3 × 3,125 %, continuous tone after 1000 ms, no tone after 3000 ms,
    // no RS232 output; 40 ms on, 40 ms off, level 500. Table: ring-back 1 s on / 4 s off,
    // busy 480 ms on / 480 ms off, the other entries unused.
    v.insert(380, "31003000");
    v.insert(614, "04400500");
    v.insert(381, "11004000");
    v.insert(382, "20480480");
    for (int r = 383; r <= 399; ++r)
        v.insert(r, "F0000000");
    // Pulse dialling: 60 ms pulse, 40 ms pause, 800 ms between digits; lead 500 ms, trail 200 ms.
    v.insert(610, "12080160");
    v.insert(611, "01000040");
    // Ring detector: a ring lasts at least 200 ms, rings are at most 6000 ms apart.
    v.insert(615, "00401200");
    // Pilot tone: detector without filter, 50 ms on/off, level 1000; generator 2000 Hz without
    // filter, line filter on.
    v.insert(652, "0AA01000");
    v.insert(669, "02000010");

    return v;
}

const QHash<int, QByteArray>& table()
{
    static const QHash<int, QByteArray> values = buildTable();
    return values;
}

} // namespace

QByteArray FactoryTable::value(int n)
{
    return table().value(n, QByteArray("00000000"));
}

} // namespace sim
