#ifndef CODECREGISTERS_H
#define CODECREGISTERS_H

#include <QFile>

// The codec driver's register file: one open-write-close per register, the
// text "reg value" in lower-case hex. Every register write of the codec goes
// through this object, so a test can put a recorder in its place.
class CodecRegisters
{
public:
    CodecRegisters();
    virtual ~CodecRegisters() = default;
    CodecRegisters(const CodecRegisters &) = delete;
    CodecRegisters &operator=(const CodecRegisters &) = delete;

    // 0, or -1 when the register file cannot be written.
    virtual int write(int reg, int value);

private:
    QFile m_codec;
};

#endif // CODECREGISTERS_H
