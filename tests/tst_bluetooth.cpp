// The module driver on its own, with the test playing the module on the
// master side of a pseudo-terminal and the carrier-detect file.

#include "bluetooth.h"
#include "logcapture.h"
#include "ptypeer.h"
#include "serialline.h"
#include "testroot.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestBluetooth : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linesAreCutAtCarriageReturnLineFeed();
    void moduleEvents_data();
    void moduleEvents();
    void sensorLines_data();
    void sensorLines();
    void pressureLines_data();
    void pressureLines();
    void transmitQueue_data();
    void transmitQueue();
    void commandsWaitForCommandMode();
    void volumeSteps_data();
    void volumeSteps();
    void headphoneBatteryRequest_data();
    void headphoneBatteryRequest();
    void rfcommTimeoutClosesTheLinks();
    void badInputStaysBounded_data();
    void badInputStaysBounded();
    void carrierStuckHighDoesNotHangStartup();
    void hungUpLineIsClosedAndReopened();

private:
    // Init on the fake module with carrier detect low; the LIST is consumed.
    void start(bool rfcomm = true);
    // Brings the sink to data mode with an RFCOMM link, as after a call.
    void connectRfcomm();
    void setCarrier(bool high) { m_root->write(QStringLiteral("/sys/class/gpio/gpio59/value"), high ? "1\n" : "0\n"); }
    QByteArray dtr() const { return m_root->read(QStringLiteral("/sys/class/gpio/gpio58/value")).trimmed(); }

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<PtyPeer> m_module;
    std::unique_ptr<Bluetooth> m_bt;
    std::unique_ptr<LogCapture> m_log;
};

void TestBluetooth::init()
{
    m_root = std::make_unique<TestRoot>();
    QVERIFY(m_root->isValid());
    m_module = std::make_unique<PtyPeer>(*m_root, QStringLiteral("/dev/ttyO2"));
    QVERIFY(m_module->isValid());
    m_log = std::make_unique<LogCapture>();
}

void TestBluetooth::cleanup()
{
    m_bt.reset();
    m_module.reset();
    m_log.reset();
    m_root.reset();
}

void TestBluetooth::start(bool rfcomm)
{
    setCarrier(false);
    m_bt = std::make_unique<Bluetooth>();
    m_bt->initBluetooth(QStringLiteral("/dev/ttyO2"), QStringLiteral("00:07:80:4d:33:01"));
    QCOMPARE(m_module->take(), QByteArray("LIST\n"));
    m_bt->callBtDeviceA2DP(rfcomm);
    QCOMPARE(m_module->take(), QByteArray("SET CONTROL AUTOCALL 19 500 A2DP\n"));
    QCOMPARE(m_bt->btState(), 2);
}

void TestBluetooth::connectRfcomm()
{
    start(true);
    m_module->send("CONNECT 0 A2DP 19\r\nCONNECT 1 A2DP 19\r\nA2DP STREAMING START\r\n");
    QCOMPARE(m_module->take(), QByteArray());
    QVERIFY(m_bt->isConnectedA2DP());
    QCOMPARE(m_bt->btState(), 3);
    m_bt->callBtDeviceA2DP(true); // the next state run, without waiting a second
    QCOMPARE(m_module->take(), QByteArray("CALL 00:07:80:4d:33:01 1101 RFCOMM\n"));
    setCarrier(true); // the module enters data mode on the new channel by itself
    m_module->send("CONNECT 2 RFCOMM 1\r\n");
    QVERIFY(waitFor([&] { return m_bt->btState() == 6; }, 1000));
    QCOMPARE(m_bt->btMode(), 1);
    QCOMPARE(m_bt->linkIdRfcomm(), 2);
    m_module->take();
}

void TestBluetooth::linesAreCutAtCarriageReturnLineFeed()
{
    start();
    m_bt->receiveData("LIST 0 CONNECTED A2");
    m_bt->receiveData("DP 668 0\n");
    QVERIFY(!m_bt->isConnectedA2DP());
    m_bt->receiveData("\r\nLIST 2 CONNECTED RFCOMM 668\r\nSET BT NAME KXE500_MIC\r\n");
    QVERIFY(m_bt->isConnectedA2DP());
    QVERIFY(m_bt->isConnectedRFCOMM());
    QCOMPARE(m_bt->linkIdRfcomm(), 2);
    QCOMPARE(m_bt->getBtName(), QStringLiteral("KXE500_MIC"));
    // The raw copy holds everything once, then is empty.
    QVERIFY(m_bt->getData().contains(QStringLiteral("SET BT NAME KXE500_MIC")));
    QCOMPARE(m_bt->getData(), QString());
}

void TestBluetooth::moduleEvents_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("flags"); // A2DP RFCOMM AVRCP HFP, 1/0
    QTest::addColumn<QString>("links"); // A2DP0 A2DP1 RFCOMM AVRCP HFP
    QTest::addColumn<QByteArray>("written");

    const QByteArray up = "CONNECT 0 A2DP 19\r\nCONNECT 1 A2DP 19\r\nA2DP STREAMING START\r\n";
    QTest::newRow("A2DP connects") << QByteArray() << up << 3 << "1000" << "0 1 -1 -1 -1" << QByteArray();
    QTest::newRow("streaming stop") << up << QByteArray("A2DP STREAMING STOP") << 2 << "0000"
                                    << "-1 -1 -1 -1 -1" << QByteArray();
    QTest::newRow("no carrier on link 2") << up << QByteArray("NO CARRIER 2 ERROR 0") << 2 << "0000"
                                          << "-1 -1 -1 -1 -1" << QByteArray();
    QTest::newRow("no carrier on link 3 changes nothing")
        << up << QByteArray("NO CARRIER 3 ERROR 0") << 3 << "1000" << "0 1 -1 -1 -1" << QByteArray();
    QTest::newRow("LIST A2DP without RFCOMM wanted") << QByteArray() << QByteArray("LIST 0 CONNECTED A2DP 668") << 3
                                                     << "1000" << "0 1 -1 -1 -1" << QByteArray();
    QTest::newRow("LIST HFP and AVRCP") << QByteArray("LIST 2 CONNECTED AVRCP 100\r\n")
                                        << QByteArray("LIST 3 CONNECTED HFP-AG 100") << 2 << "0011"
                                        << "-1 -1 -1 2 3" << QByteArray();
    QTest::newRow("RING asks for hands-free") << up << QByteArray("RING 2 00:1b:66:0a:21:5c 17 AVRCP") << 3
                                              << "1010" << "0 1 -1 2 -1"
                                              << QByteArray("CALL 00:07:80:4d:33:01 111E HFP-AG\n");
    QTest::newRow("HFP ready asks for the battery") << up << QByteArray("HFP-AG 3 READY") << 3 << "1001"
                                                    << "0 1 -1 -1 3" << QByteArray("@3 +CHLD=0\n");
    QTest::newRow("RING with HFP up asks for the battery")
        << up + "HFP-AG 3 READY\r\n" << QByteArray("RING 2 00:1b:66:0a:21:5c 17 AVRCP") << 3 << "1011"
        << "0 1 -1 2 3" << QByteArray("@3 +CHLD=0\n");
    QTest::newRow("damaged link number") << QByteArray() << QByteArray("CONNECT x A2DP 19") << 2 << "0000"
                                         << "-1 -1 -1 -1 -1" << QByteArray();
}

void TestBluetooth::moduleEvents()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, line);
    QFETCH(int, state);
    QFETCH(QString, flags);
    QFETCH(QString, links);
    QFETCH(QByteArray, written);
    start(false);
    m_bt->receiveData(before);
    m_module->take();
    m_bt->receiveData(line + "\r\n");
    QCOMPARE(m_bt->btState(), state);
    const QString gotFlags = QStringLiteral("%1%2%3%4")
                                 .arg(int(m_bt->isConnectedA2DP()))
                                 .arg(int(m_bt->isConnectedRFCOMM()))
                                 .arg(int(m_bt->isConnectedAVRCP()))
                                 .arg(int(m_bt->isConnectedHFP()));
    QCOMPARE(gotFlags, flags);
    const QString gotLinks = QStringLiteral("%1 %2 %3 %4 %5")
                                 .arg(m_bt->linkIdA2DP(0))
                                 .arg(m_bt->linkIdA2DP(1))
                                 .arg(m_bt->linkIdRfcomm())
                                 .arg(m_bt->linkIdAvrcp())
                                 .arg(m_bt->linkIdHfp());
    QCOMPARE(gotLinks, links);
    QCOMPARE(m_module->take(), written);
}

void TestBluetooth::sensorLines_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QVariantList>("arguments"); // of the last emission
    QTest::addColumn<int>("count");

    const auto args = [](auto... a) { return QVariantList{QVariant(a)...}; };
    QTest::newRow("mute state active") << QByteArray("BT_RX MUTE_STATE ACTIVE") << "stateActiveMuteChanged"
                                       << args(false) << 1;
    QTest::newRow("mute state other") << QByteArray("BT_RX MUTE_STATE MUTE") << "stateActiveMuteChanged"
                                      << args(true) << 1;
    QTest::newRow("mute state without state") << QByteArray("BT_RX MUTE_STATE") << "stateActiveMuteChanged"
                                              << QVariantList() << 0;
    QTest::newRow("firmware packet ok") << QByteArray("BT_RX FD 012 OK") << "btFwDataReceived" << args(12, true) << 1;
    QTest::newRow("firmware packet error") << QByteArray("BT_RX FD 012 ERROR") << "btFwDataReceived"
                                           << args(12, false) << 1;
    QTest::newRow("firmware header") << QByteArray("BT_RX FH OK") << "btFwHeaderReceived" << args(true) << 1;
    QTest::newRow("ready: battery") << QByteArray("BT_RX RDY 3950 1") << "btBatteryvoltageReceived"
                                    << args(QStringLiteral("3950")) << 1;
    QTest::newRow("ready: sensor type") << QByteArray("BT_RX RDY 3950 1") << "btSensortypeReceived"
                                        << args(QStringLiteral("1")) << 1;
    QTest::newRow("ready") << QByteArray("BT_RX RDY 3950 1") << "btRdyReceived" << QVariantList() << 1;
    QTest::newRow("ready: resend parameters") << QByteArray("BT_RX RDY 3950 1") << "microphoneParameterRequested"
                                              << QVariantList() << 1;
    QTest::newRow("new channel: resend parameters") << QByteArray("CONNECT 2 RFCOMM 1")
                                                    << "microphoneParameterRequested" << QVariantList() << 1;
    QTest::newRow("listed channel: resend parameters") << QByteArray("LIST 2 CONNECTED RFCOMM 668")
                                                       << "microphoneParameterRequested" << QVariantList() << 1;
    QTest::newRow("values split at runs of blanks") << QByteArray("BT_RX SENSVAL  812\t 44") << "btSensorvalueReceived"
                                                    << args(QStringLiteral("812"), QStringLiteral("44")) << 1;
    QTest::newRow("alert") << QByteArray("BT_RX ALERT 1") << "btAlertMessageReceived" << args(QStringLiteral("1")) << 1;
    QTest::newRow("end of block") << QByteArray("!$!") << "terminationStringDetected" << QVariantList() << 1;
    QTest::newRow("unknown key still answers") << QByteArray("BT_RX WHATEVER 1") << "btAnswerFromDeviceReceived"
                                               << QVariantList() << 1;
    QTest::newRow("module line is no answer") << QByteArray("OK") << "btAnswerFromDeviceReceived" << QVariantList()
                                              << 0;
}

void TestBluetooth::sensorLines()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, signal);
    QFETCH(QVariantList, arguments);
    QFETCH(int, count);
    Bluetooth bt;
    const QMetaObject *meta = bt.metaObject();
    QMetaMethod method;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Signal && meta->method(i).name() == signal.toLatin1())
            method = meta->method(i);
    }
    QVERIFY(method.isValid());
    QSignalSpy spy(&bt, method);
    bt.receiveData(lines + "\r\n");
    QCOMPARE(spy.count(), count);
    if (count > 0) {
        const QList<QVariant> got = spy.last();
        QCOMPARE(got.size(), arguments.size());
        for (int i = 0; i < got.size(); ++i)
            QCOMPARE(got.at(i), arguments.at(i));
    }
}

void TestBluetooth::pressureLines_data()
{
    // What the two pressure signals carry ("" for no emission), and whether
    // the line is logged as refused.
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("calibration");
    QTest::addColumn<QString>("data");
    const QByteArray fifty = "BT_RX PDATA 50 " + QByteArray("ABC,").repeated(50);
    QTest::newRow("calibration") << QByteArray("BT_RX PCAL 16 0100 0F00") << "1 16 256 3840" << "";
    QTest::newRow("calibration, lower case, short") << QByteArray("BT_RX PCAL 1000 0 fff") << "1 1000 0 4095" << "";
    QTest::newRow("transducer removed") << QByteArray("BT_RX PCAL 0") << "0 0 0 0" << "";
    QTest::newRow("full scale 0 with values") << QByteArray("BT_RX PCAL 0 0100 0F00") << "" << "";
    QTest::newRow("full scale too large") << QByteArray("BT_RX PCAL 1001 0100 0F00") << "" << "";
    QTest::newRow("zero not below full") << QByteArray("BT_RX PCAL 16 0F00 0F00") << "" << "";
    QTest::newRow("ADC beyond 12 bits") << QByteArray("BT_RX PCAL 16 0100 1000") << "" << "";
    QTest::newRow("ADC with prefix") << QByteArray("BT_RX PCAL 16 0x1 0F00") << "" << "";
    QTest::newRow("negative full scale") << QByteArray("BT_RX PCAL -16 0100 0F00") << "" << "";
    QTest::newRow("calibration field missing") << QByteArray("BT_RX PCAL 16 0100") << "" << "";
    QTest::newRow("three readings") << QByteArray("BT_RX PDATA 3 800,7FF,801,") << "" << "3 800,7FF,801,";
    QTest::newRow("fifty readings") << fifty << "" << "50 " + QString::fromLatin1(fifty.mid(15));
    QTest::newRow("fifty-one readings") << QByteArray("BT_RX PDATA 51 " + QByteArray("ABC,").repeated(51)) << ""
                                        << "";
    QTest::newRow("count above the data") << QByteArray("BT_RX PDATA 4 800,7FF,801,") << "" << "";
    QTest::newRow("count below the data") << QByteArray("BT_RX PDATA 2 800,7FF,801,") << "" << "";
    QTest::newRow("count 0") << QByteArray("BT_RX PDATA 0 ") << "" << "";
    QTest::newRow("no comma after the last") << QByteArray("BT_RX PDATA 2 800,7FF.") << "" << "";
    QTest::newRow("bad hex") << QByteArray("BT_RX PDATA 2 800,7G0,") << "" << "";
    QTest::newRow("signed reading") << QByteArray("BT_RX PDATA 2 800,-10,") << "" << "";
    QTest::newRow("count with sign") << QByteArray("BT_RX PDATA +2 800,7FF,") << "" << "";
    QTest::newRow("trailing field") << QByteArray("BT_RX PDATA 1 800, 9") << "" << "";
    QTest::newRow("oversized") << "BT_RX PDATA 900 " + QByteArray("800,").repeated(900) << "" << "";
}

void TestBluetooth::pressureLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, calibration);
    QFETCH(QString, data);
    Bluetooth bt;
    QSignalSpy enable(&bt, &Bluetooth::btEnableReceivePressuredata);
    QSignalSpy readings(&bt, &Bluetooth::btPressuredataReceived);
    bt.receiveData(line + "\r\n");
    QStringList got;
    for (const QVariant &v : enable.value(0))
        got << QString::number(v.toInt());
    QCOMPARE(got.join(QLatin1Char(' ')), calibration);
    QCOMPARE(readings.isEmpty() ? QString() : readings[0][0].toString() + QLatin1Char(' ') + readings[0][1].toString(), data);
    QCOMPARE(enable.size() + readings.size(), calibration.isEmpty() && data.isEmpty() ? 0 : 1);
    const bool refused = calibration.isEmpty() && data.isEmpty();
    QCOMPARE(m_log->matching(QStringLiteral("Pressure")).isEmpty(), !refused);
    QCOMPARE(bt.receiveBufferSize(), 0);
}

void TestBluetooth::transmitQueue_data()
{
    QTest::addColumn<int>("queued");
    QTest::addColumn<int>("answers");
    QTest::addColumn<QStringList>("released");
    QTest::addColumn<int>("left");
    QTest::newRow("five released by answers") << 5 << 5
                                              << QStringList{"BT_TX B 1", "BT_TX B 2", "BT_TX B 3", "BT_TX B 4",
                                                             "BT_TX B 5"}
                                              << 0;
    QTest::newRow("two answers, three left") << 5 << 2 << QStringList{"BT_TX B 1", "BT_TX B 2"} << 3;
    // The 33rd overwrites the 32nd: 31 kept in order, then the last one.
    QStringList full;
    for (int i = 1; i <= 31; ++i)
        full << QStringLiteral("BT_TX B %1").arg(i);
    full << QStringLiteral("BT_TX B 33");
    QTest::newRow("33 overwrite slot 32") << 33 << 33 << full << 0;
}

void TestBluetooth::transmitQueue()
{
    QFETCH(int, queued);
    QFETCH(int, answers);
    QFETCH(QStringList, released);
    QFETCH(int, left);
    connectRfcomm();
    m_bt->sendData(QStringLiteral("BT_TX T"));
    QCOMPARE(m_module->take(), QByteArray("BT_TX T\n"));
    for (int i = 1; i <= queued; ++i)
        m_bt->sendData(QStringLiteral("BT_TX B %1").arg(i));
    QCOMPARE(m_module->take(), QByteArray()); // one unanswered at a time
    QCOMPARE(m_bt->queuedMessages(), std::min(queued, int(Bluetooth::TransmitSlots)));
    QStringList got;
    for (int i = 0; i < answers; ++i) {
        m_module->send("BT_RX BATT_VOLTAGE 3900\r\n");
        const QByteArray out = m_module->take(0);
        if (!out.isEmpty())
            got << QString::fromLatin1(out).trimmed();
    }
    QCOMPARE(got, released);
    QCOMPARE(m_bt->queuedMessages(), left);
}

void TestBluetooth::commandsWaitForCommandMode()
{
    connectRfcomm();
    m_bt->sendData(QStringLiteral("BT_TX B"));
    QCOMPARE(m_module->take(), QByteArray("BT_TX B\n"));
    QCOMPARE(dtr(), QByteArray("0"));

    // A module command in data mode raises DTR and waits for carrier detect to fall.
    m_bt->sendData(QStringLiteral("SET BT NAME A"));
    m_bt->sendData(QStringLiteral("SET BT NAME B"));
    QCOMPARE(dtr(), QByteArray("1"));
    QCOMPARE(m_module->take(100), QByteArray());
    QCOMPARE(m_bt->btState(), 7);
    // Sensor messages are dropped while command mode is pending.
    m_bt->sendData(QStringLiteral("BT_TX T"));
    setCarrier(false);
    QCOMPARE(m_module->take(100), QByteArray("SET BT NAME A\nSET BT NAME B\n"));
    QCOMPARE(m_bt->btState(), 8);
    QCOMPARE(m_bt->btMode(), 0);

    // The next sensor message selects the channel again. The answer to
    // BT_TX B never came, so the message waits out the 2 s.
    m_bt->sendData(QStringLiteral("BT_TX S"));
    QCOMPARE(m_module->take(), QByteArray("SELECT 2\n"));
    QCOMPARE(dtr(), QByteArray("0"));
    QCOMPARE(m_bt->queuedMessages(), 1);
    setCarrier(true);
    QVERIFY(waitFor([&] { return m_bt->btState() == 6; }, 1000));
    QCOMPARE(m_module->take(Bluetooth::AnswerTimeoutMs + 200), QByteArray("BT_TX S\n"));
}

void TestBluetooth::volumeSteps_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("step");
    const QList<QPair<int, int>> table = {{0, 0},   {3, 0},    {4, 1},   {9, 1},   {10, 2},  {22, 4},
                                          {28, 4},  {29, 5},   {47, 7},  {48, 8},  {72, 11}, {73, 12},
                                          {91, 14}, {92, 15},  {100, 15}, {101, 8}, {120, 8}, {-1, 8}};
    for (const auto &row : table)
        QTest::addRow("%d%%", row.first) << row.first << row.second;
}

void TestBluetooth::volumeSteps()
{
    QFETCH(int, percent);
    QFETCH(int, step);
    start(false);
    m_bt->setBtExtHeadphoneGain(percent);
    QCOMPARE(m_bt->getBtExtHeadphoneGain(), step);
    QCOMPARE(m_module->take(), QStringLiteral("AVRCP PDU 50 %1\n").arg(percent).toLatin1());
    // The headphones' own report uses the same table.
    m_bt->setBtExtHeadphoneGain(50);
    QSignalSpy changed(m_bt.get(), &Bluetooth::btHeadphoneVolumeChanged);
    m_bt->receiveData(QStringLiteral("AVRCP 2 NOTIFY CHANGED VOLUME_CHANGED %1\r\n").arg(percent).toLatin1());
    QCOMPARE(m_bt->getBtExtHeadphoneGain(), step);
    QCOMPARE(changed.count(), 1);
}

void TestBluetooth::headphoneBatteryRequest_data()
{
    QTest::addColumn<QByteArray>("hfp");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("no link") << QByteArray() << QByteArray();
    QTest::newRow("link 0") << QByteArray("LIST 0 CONNECTED HFP-AG 100\r\n") << QByteArray();
    QTest::newRow("link 3") << QByteArray("LIST 3 CONNECTED HFP-AG 100\r\n") << QByteArray("@3 +CHLD=0\n");
}

void TestBluetooth::headphoneBatteryRequest()
{
    QFETCH(QByteArray, hfp);
    QFETCH(QByteArray, request);
    start(false);
    m_bt->receiveData(hfp);
    m_bt->requestHeadphoneBatteryState();
    QCOMPARE(m_module->take(), request);

    QSignalSpy battery(m_bt.get(), &Bluetooth::btHeadphoneBatteryStateReceived);
    m_bt->receiveData("HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,9,2,0\r\n"
                      "HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,0,2,0\r\n"
                      "HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,x,2,0\r\n"
                      "HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=1\r\n");
    QCOMPARE(battery.count(), 2);
    QCOMPARE(battery.at(0).at(0).toInt(), 100);
    QCOMPARE(battery.at(1).at(0).toInt(), 10);
    QCOMPARE(m_bt->getBtExtHeadphoneBatteryState(), 10);
}

void TestBluetooth::rfcommTimeoutClosesTheLinks()
{
    start(true);
    m_module->send("LIST 0 CONNECTED A2DP 668\r\n"); // state 4: waiting for the channel
    QCOMPARE(m_bt->btState(), 4);
    QVERIFY(waitFor([&] { return m_bt->btState() == 1; }, 5000));
    QCOMPARE(m_module->take(),
             QByteArray("KILL 00:07:80:4d:33:01\nCLOSE 0\nCLOSE 1\nCLOSE 2\nCLOSE 3\n"));
    QVERIFY(!m_bt->isConnectedA2DP());

    // The machine restarts; the module's own autocall brings A2DP back.
    QVERIFY(waitFor([&] { return m_bt->btState() == 2; }, 5000));
    m_module->send("A2DP STREAMING START\r\n");
    QVERIFY(waitFor([&] { return m_bt->btState() == 4; }, 5000));
    QCOMPARE(m_module->take(), QByteArray("CALL 00:07:80:4d:33:01 1101 RFCOMM\n"));
}

void TestBluetooth::badInputStaysBounded_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<int>("repeat");
    QTest::newRow("no line end") << QByteArray(1000, 'A') << 100;
    QTest::newRow("line feeds only") << QByteArray("LIST 0 CONNECTED A2DP\n") << 1000;
    QTest::newRow("binary") << QByteArray("\xff\xfe\x01\x80\r", 5) << 5000;
    QTest::newRow("NUL ends the chunk") << QByteArray("BT_RX SENSOR 1\0\r\n", 17) << 10;
    QTest::newRow("fields missing") << QByteArray("CONNECT\r\nRING\r\nHFP-AG\r\nLIST\r\nBT_RX\r\nBT_RX FD\r\nAVRCP 1 2 3 "
                                                  "VOLUME_CHANGED\r\nSET BT NAME\r\n")
                                    << 10;
}

void TestBluetooth::badInputStaysBounded()
{
    QFETCH(QByteArray, chunk);
    QFETCH(int, repeat);
    start(false);
    QSignalSpy sensor(m_bt.get(), &Bluetooth::btSensortypeReceived);
    for (int i = 0; i < repeat; ++i)
        m_bt->receiveData(chunk);
    QVERIFY(m_bt->receiveBufferSize() <= Bluetooth::MaxAnswerBuffer);
    QVERIFY(m_bt->getData().size() <= Bluetooth::MaxAnswerCopy);
    QCOMPARE(sensor.count(), 0);
    QVERIFY(!m_bt->isConnectedRFCOMM());
    // Good lines still get through afterwards.
    m_bt->receiveData("\r\nBT_RX SENSOR 2\r\n");
    QVERIFY(sensor.count() >= 1);
    QCOMPARE(sensor.last().at(0).toString(), QStringLiteral("2"));
}

void TestBluetooth::carrierStuckHighDoesNotHangStartup()
{
    setCarrier(true);
    Bluetooth bt;
    bt.initBluetooth(QStringLiteral("/dev/ttyO2"), QString());
    QCOMPARE(dtr(), QByteArray("1"));
    QCOMPARE(m_log->matching(QStringLiteral("carrier detect still high")).size(), 1);
    QCOMPARE(m_module->take(), QByteArray("LIST\n"));
}

void TestBluetooth::hungUpLineIsClosedAndReopened()
{
    connectRfcomm();
    m_module.reset(); // the module's side goes away: the line hangs up
    const double cpuBefore = processCpuSeconds();
    PtyPeer::settle(1500);
    // A spinning read notifier costs about a second per second.
    QVERIFY2(processCpuSeconds() - cpuBefore < 0.5, qPrintable(QString::number(processCpuSeconds() - cpuBefore)));
    QVERIFY(!m_bt->isConnectedRFCOMM() && !m_bt->isConnectedA2DP());
    QCOMPARE(m_log->matching(QStringLiteral("lost:")).size(), 1);

    setCarrier(false);
    m_module = std::make_unique<PtyPeer>(*m_root, QStringLiteral("/dev/ttyO2"));
    QByteArray written;
    QVERIFY(waitFor([&] {
        written += m_module->take(10);
        return written.contains("SET CONTROL AUTOCALL 19 500 A2DP");
    }, SerialLine::RetryMs + 3000));
    // Started again as at power-on: links asked for, gains set, peer called.
    QVERIFY2(written.startsWith("LIST\nSET CONTROL GAIN "), written.constData());
    QCOMPARE(m_log->matching(QStringLiteral("lost:")).size(), 1);
}

QTEST_GUILESS_MAIN(TestBluetooth)
#include "tst_bluetooth.moc"
