#include "simulator.h"
#include "ptyline.h"
#include "simroot.h"

#include <QDir>

Simulator::Simulator(const QString &root, QObject *parent)
    : QObject(parent),
      m_root(QDir(root).absolutePath()),
      m_control(m_root + QStringLiteral("/sim/control.log")),
      m_board(m_root),
      m_iio(m_root)
{
    m_board.addCommands(m_control);
    m_iio.addCommands(m_control);
}

bool Simulator::start(QString *error)
{
    if (!SimRoot::create(m_root, error))
        return false;
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("ttyO%1").arg(i + 1);
        m_lines[i] = new PtyLine(m_root + QStringLiteral("/dev/") + name,
                                 m_root + QStringLiteral("/sim/") + name + QStringLiteral(".log"), this);
        if (!m_lines[i]->open(error))
            return false;
    }
    m_control.openLog();
    m_iio.start();
    return m_control.listenFifo(m_root + QStringLiteral("/sim/control"), error);
}

void Simulator::stop()
{
    m_iio.stop();
    for (PtyLine *line : m_lines) {
        if (line)
            line->close();
    }
    QFile::remove(m_root + QStringLiteral("/sim/control"));
}

PtyLine *Simulator::line(int number) const
{
    return number >= 1 && number <= 3 ? m_lines[number - 1] : nullptr;
}
