#ifndef RECORDINGREGISTERS_H
#define RECORDINGREGISTERS_H

#include "codecregisters.h"

#include <QPair>
#include <QVector>

// Stands in for the codec's register file and keeps every write in order,
// since the file itself cannot tell the writes of a burst apart.
class RecordingRegisters : public CodecRegisters
{
public:
    using Write = QPair<int, int>;
    explicit RecordingRegisters(QVector<Write> *writes) : m_writes(writes) {}
    int write(int reg, int value) override
    {
        m_writes->append({reg, value});
        return 0;
    }

private:
    QVector<Write> *m_writes;
};

#endif // RECORDINGREGISTERS_H
