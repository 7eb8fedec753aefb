#include "backgroundrecording.h"

#include "audiocodecsetup.h"
#include "audioiodevice.h"
#include "platform.h"

#include <QAudioInput>
#include <QAudioOutput>
#include <QDebug>
#include <QDir>
#include <QThread>
#include <QtEndian>

#include <limits>

namespace {

const char *const WavTempDir = "/home/root/meas/wav_temp/";
// Written first and patched once the file's size is known.
constexpr quint32 RiffSizePlaceholder = 0x11223344;
constexpr quint32 DataSizePlaceholder = 0x55667788;

void appendLe16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void appendLe32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

bool patchLe32(QFile &file, qint64 offset, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return file.seek(offset) && file.write(b, 4) == 4;
}

} // namespace

BackgroundRecording::BackgroundRecording(QObject *parent) : QObject(parent)
{
    qDebug() << "Konstruktor Backgroundrecording";
    audioFormat.setSampleRate(SampleRate);
    audioFormat.setChannelCount(1);
    audioFormat.setSampleSize(16);
    audioFormat.setCodec(QStringLiteral("audio/pcm"));
    audioFormat.setByteOrder(QAudioFormat::LittleEndian);
    audioFormat.setSampleType(QAudioFormat::SignedInt);
    selectDevices();
}

BackgroundRecording::~BackgroundRecording()
{
    // The output may still pull from m_playbackFile, which goes before the children.
    delete m_audioOutput;
    delete m_audioInput;
}

void BackgroundRecording::selectDevices()
{
    m_Inputdevice = QAudioDeviceInfo::defaultInputDevice();
    const QList<QAudioDeviceInfo> inputs = QAudioDeviceInfo::availableDevices(QAudio::AudioInput);
    for (const QAudioDeviceInfo &device : inputs) {
        qDebug() << "Device name (IN): " << device.deviceName();
        if (device.deviceName().startsWith(QLatin1String("sysdefault")))
            m_Inputdevice = device;
    }
    qDebug() << "Selected Device (IN): " << m_Inputdevice.deviceName();

    m_Outputdevice = QAudioDeviceInfo::defaultOutputDevice();
    const QList<QAudioDeviceInfo> outputs = QAudioDeviceInfo::availableDevices(QAudio::AudioOutput);
    for (const QAudioDeviceInfo &device : outputs) {
        qDebug() << "Device name (OUT): " << device.deviceName();
        if (device.deviceName().startsWith(QLatin1String("sysdefault")))
            m_Outputdevice = device;
    }
    qDebug() << "Selected Device (OUT): " << m_Outputdevice.deviceName();

    if (!m_Inputdevice.isFormatSupported(audioFormat)) {
        qDebug() << "Format wird nicht unterstützt.";
        audioFormat = m_Inputdevice.nearestFormat(audioFormat);
    }
    qDebug() << "Selected Audioformat" << audioFormat;
    qDebug() << "DefaultInputDevice" << m_Inputdevice.deviceName();
    qDebug() << "SupportedCodecs" << m_Inputdevice.supportedCodecs().join(QLatin1String(", "));
    qDebug() << "SupportedSampleRates" << m_Inputdevice.supportedSampleRates();
}

QString BackgroundRecording::wavFilePath(const QString &name)
{
    return Platform::path(QLatin1String(WavTempDir) + name.trimmed() + QLatin1String(".wav"));
}

QByteArray BackgroundRecording::wavHeader()
{
    // The values are fixed: the file says 16 kHz mono 16 bit whatever the
    // device negotiated.
    QByteArray h;
    h.reserve(WavHeaderBytes);
    h.append("RIFF");
    appendLe32(h, RiffSizePlaceholder);
    h.append("WAVE");
    h.append("fmt ");
    appendLe32(h, 16);
    appendLe16(h, 1);
    appendLe16(h, 1);
    appendLe32(h, SampleRate);
    appendLe32(h, BytesPerSecond);
    appendLe16(h, 2);
    appendLe16(h, 16);
    h.append("data");
    appendLe32(h, DataSizePlaceholder);
    return h;
}

void BackgroundRecording::init()
{
    qDebug() << "BackgroundRecording::init";
    if (m_audioInput)
        return;
    m_audioInput = new QAudioInput(m_Inputdevice, audioFormat, this);
    connect(m_audioInput, &QAudioInput::stateChanged, this, &BackgroundRecording::handleStateChanged,
            Qt::UniqueConnection);
    m_audioOutput = new QAudioOutput(m_Outputdevice, audioFormat, this);
    connect(m_audioOutput, &QAudioOutput::stateChanged, this, &BackgroundRecording::handleStateChangedPlayback,
            Qt::UniqueConnection);
    m_audioInputIODevice = new AudioIODevice(audioFormat, this);
    m_audioInputIODevice->start();
    m_buffer.fill(0, ReadBufferBytes);
}

void BackgroundRecording::startAudioRecording()
{
    m_audioQueue.clear();
    // A stale count would make the fresh ring drop a block for every block it gets.
    m_recordedBytes = 0;
    qDebug() << "BackgroundRecording::startAudioRecording" << QThread::currentThreadId();
    if (!m_audioInput || !m_audioOutput)
        return;
    // The output is opened along with the capture; nothing is written to it.
    m_audioOutputIODevice = m_audioOutput->start();
    qDebug() << "QIODevice open" << (m_audioOutputIODevice && m_audioOutputIODevice->isOpen());
    m_input = m_audioInput->start();
    // Qt's backends replace their pull stream on the next start but never
    // delete the last one; as the input's child it goes with the input.
    if (m_input) {
        m_input->setParent(m_audioInput);
        connect(m_input, &QIODevice::readyRead, this, &BackgroundRecording::readMore, Qt::UniqueConnection);
    }
    qDebug() << "Recording started" << m_input << m_audioInput->state() << m_audioInput->error();
}

void BackgroundRecording::stopAudioRecording()
{
    qDebug() << "stopAudioRecording";
    if (m_audioInput)
        m_audioInput->stop();
    if (m_audioOutput)
        m_audioOutput->stop();
    // Qt deletes its push stream on stop.
    m_audioOutputIODevice = nullptr;
}

void BackgroundRecording::pauseAudioRecording(bool pause)
{
    if (pause) {
        m_pauseRecording = true;
        return;
    }
    // Every un-mute starts a fresh recording.
    m_audioQueue.clear();
    m_recordedBytes = 0;
    m_collectedBytes = 0;
    m_pauseRecording = false;
}

void BackgroundRecording::enqueueChunk(const QByteArray &chunk)
{
    // Saturating: a day of listening without a store must not wrap the count.
    m_recordedBytes = int(qMin<qint64>(qint64(m_recordedBytes) + chunk.size(), std::numeric_limits<int>::max()));
    if (m_recordedBytes > MaxQueuedBytes && !m_audioQueue.isEmpty())
        m_audioQueue.dequeue();
    m_audioQueue.enqueue(chunk);
}

void BackgroundRecording::readMore()
{
    if (!m_input)
        return;
    if (m_pauseRecording) {
        // Read and drop, so the device does not overrun while muted.
        m_input->read(m_buffer.data(), qMin(MaxReadBytes, m_buffer.size()));
        if (m_buffer.size() > ReadBufferBytes + 1)
            qDebug() << "m_buffer Overflow!!!";
        return;
    }
    if (!m_audioInputIODevice) {
        qDebug() << "Invalid m_audioInputIODevice";
        return;
    }
    qint64 ready = m_audioInput->bytesReady();
    if (ready > MaxCountedBytes) {
        qDebug() << "m_audioInput->bytesReady()" << ready;
        ready = MaxCountedBytes;
    }
    m_collectedBytes += ready;

    const qint64 read = m_input->read(m_buffer.data(), qMin(MaxReadBytes, m_buffer.size()));
    if (read <= 0)
        return;
    enqueueChunk(QByteArray(m_buffer.constData(), int(read)));
}

int BackgroundRecording::storeAudioData(const QString &name)
{
    const QString dir = Platform::path(QLatin1String(WavTempDir));
    if (!QDir(dir).exists()) {
        qDebug() << "Directory doesn't exist -> generate directory:" << dir;
        QDir().mkpath(dir);
    }
    const QString path = wavFilePath(name);
    qDebug() << "Bytes in queue:" << m_audioQueue.size() << m_recordedBytes;

    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        qDebug() << "Cannot open file:" << path;
        m_recordedBytes = 0;
        return 0;
    }
    file.write(wavHeader());

    // Oldest first; what does not fit stays queued for the next store.
    qint64 total = 0;
    qint64 written = 0;
    while (total < MaxWavSampleBytes && !m_audioQueue.isEmpty()) {
        const QByteArray chunk = m_audioQueue.dequeue();
        written = file.write(chunk.constData(), qMin<qint64>(chunk.size(), MaxWavSampleBytes - total));
        total += chunk.size();
    }
    qDebug() << "File" << written << total << m_audioQueue.size();

    const qint64 size = file.size();
    patchLe32(file, 4, quint32(size - 8));
    patchLe32(file, 40, quint32(size - WavHeaderBytes));
    file.close();
    qDebug() << "File written:" << path << size;
    m_recordedBytes = 0;
    return 0;
}

void BackgroundRecording::startAudioPlayback(const QString &file)
{
    if (!m_audioOutput)
        return;
    if (m_playbackFile.isOpen())
        m_playbackFile.close();
    m_playbackFile.setFileName(Platform::path(file));
    if (!m_playbackFile.open(QIODevice::ReadWrite)) {
        qDebug() << "Cannot open file:" << m_playbackFile.fileName();
        return;
    }
    // Switching to pull mode deletes the push stream of the recording.
    m_audioOutputIODevice = nullptr;
    // The header goes out as samples too: 22 samples nobody hears.
    m_audioOutput->start(&m_playbackFile);
}

void BackgroundRecording::stopAudioPlayback()
{
    if (!m_audioOutput || m_audioOutput->state() != QAudio::ActiveState)
        return;
    qDebug() << "Stop playing";
    m_audioOutput->stop();
    m_audioOutputIODevice = nullptr;
}

void BackgroundRecording::handleStateChanged(QAudio::State state)
{
    switch (state) {
    case QAudio::ActiveState:
        qDebug() << "handleStateChanged: Started recording";
        break;
    case QAudio::SuspendedState:
        qDebug() << "handleStateChanged: Suspended";
        break;
    case QAudio::StoppedState:
        if (m_audioInput && m_audioInput->error() != QAudio::NoError)
            qDebug() << "handleStateChanged: Error recording";
        else
            qDebug() << "handleStateChanged: Finished recording";
        break;
    default:
        qDebug() << "handleStateChanged: State:" << state;
        break;
    }
}

void BackgroundRecording::handleStateChangedPlayback(QAudio::State state)
{
    switch (state) {
    case QAudio::StoppedState:
        if (m_audioOutput && m_audioOutput->error() != QAudio::NoError)
            qDebug() << "handleStateChangedPlayback: Error playing";
        else
            qDebug() << "handleStateChangedPlayback: StoppedState Finished playing";
        break;
    case QAudio::IdleState:
        qDebug() << "handleStateChangedPlayback: Idle";
        break;
    default:
        qDebug() << "handleStateChangedPlayback: State:" << state;
        break;
    }
}

void BackgroundRecording::enableLoopback()
{
    // Created on first use: the codec object writes to the codec when constructed.
    if (!m_audioCodec)
        m_audioCodec = new AudioCodecSetup(this);
    m_audioCodec->setLoopbackEnable(true);
}
