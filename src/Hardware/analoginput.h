#ifndef ANALOGINPUT_H
#define ANALOGINPUT_H

#include <QByteArray>
#include <QFile>
#include <QObject>

// The ADC reader: buffered (continuous) mode of IIO device 0, channel 0.
// It lives in its own thread because a read of the character device blocks
// until the driver has a block; the control files are written from the same
// thread, in the order the requests were queued.
class AnalogInput : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxBlockBytes = 2048;

    explicit AnalogInput(QObject *parent = nullptr);

    QByteArray getBuffer() const { return m_buffer; }

    // Single-shot reading of the auxiliary channel; not used for levels.
    bool initAnalogInput();
    int readAnalogInput();
    void closeAnalogInput();

signals:
    void bufferUpdated(const QByteArray &block);

public slots:
    void initContinousMode();
    void startCapture();
    void stopCapture();
    void updateBuffer();

private:
    void writeControl(const char *devicePath, const QByteArray &text, const char *error);

    QFile ain4;
    QFile ainCont;
    QFile ainContData;
    QByteArray analogValue;
    QByteArray m_buffer;
};

#endif // ANALOGINPUT_H
