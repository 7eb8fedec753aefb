#ifndef SCREENDRIVER_H
#define SCREENDRIVER_H

#include "analoginputworker.h"
#include "messagedialog.h"
#include "screenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

#include <cmath>

// One capture block of a 600 Hz tone with a little noise; the amplitude sets
// the level a measurement screen shows.
inline QByteArray toneBlock(int amplitude)
{
    QByteArray block(AnalogInputWorker::BlockBytes, '\0');
    auto *samples = reinterpret_cast<qint16 *>(block.data());
    for (int i = 0; i < AnalogInputWorker::BlockSamples; ++i)
        samples[i] = qint16(amplitude * std::sin(2 * M_PI * 600 * i / 7670.0) + (i * 7919 % 200) - 100);
    return block;
}

// One block into the level computation; amplitude 0 is silence, which no
// running capture delivers.
inline void analyseTone(int amplitude)
{
    Analoginputworker().analyseBlock(amplitude > 0 ? toneBlock(amplitude) : QByteArray(AnalogInputWorker::BlockBytes, '\0'));
}

// One block, then the screen's level update as its timer would run it.
template<typename Screen>
void feedBlock(Screen *screen, int amplitude)
{
    analyseTone(amplitude);
    screen->updateLevel();
}

// The mute key as the board sends it (F6, which the key filter makes F10),
// pressed or, with a "^" at the end of the step, released.
inline void muteKeyStep(QWidget *screen, const QString &step)
{
    QKeyEvent key(step.endsWith(QLatin1Char('^')) ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier);
    QApplication::sendEvent(screen, &key);
    QCoreApplication::sendPostedEvents();
}

// Closes every modal dialog that opens (but the class skip) and counts them;
// text is the last one's info text or else its class.
struct DialogCloser
{
    int count = 0;
    QString text;
    QString screenshot;
    QTimer timer;
    explicit DialogCloser(const char *skip = "")
    {
        QObject::connect(&timer, &QTimer::timeout, [this, skip] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog && !dialog->inherits(skip) && dialog->isActiveWindow()) {
                ++count;
                auto *info = dialog->findChild<QLabel *>(QStringLiteral("labelInfotext"));
                text = info ? info->text() : QString::fromLatin1(dialog->metaObject()->className());
                if (!screenshot.isEmpty())
                    saveScreenshot(dialog, screenshot);
                dialog->reject();
            }
        });
        timer.start(20);
    }
};

// Answers every message dialog at once, as an operator pressing its first
// button, and keeps the texts it showed, in order.
struct MessageAnswerer
{
    QStringList texts;
    QTimer timer;
    MessageAnswerer()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto *message = qobject_cast<MessageDialog *>(QApplication::activeModalWidget())) {
                texts << message->findChild<QLabel *>(QStringLiteral("labelInfotext"))->text();
                message->done(0);
            }
        });
        timer.start(10);
    }
};

// Clicks opener and then, in the modal dialog it opens, the buttons named in
// steps ("<power>" is the power key's short press). A step that opens another
// dialog hands the steps after it to that one. Returns what went wrong ("" when
// every step was taken and the dialogs closed).
inline QString clickThroughDialog(QAbstractButton *opener, const QStringList &steps)
{
    struct Walk : std::enable_shared_from_this<Walk>
    {
        QStringList steps;
        QString fault;
        void run(QWidget *below)
        {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog == below) {
                fault += QStringLiteral("no dialog; ");
                return;
            }
            while (!steps.isEmpty()) {
                const QString step = steps.takeFirst();
                if (step == QLatin1String("<power>")) {
                    QTest::keyPress(dialog, Qt::Key_Escape);
                    QTest::keyRelease(dialog, Qt::Key_Escape);
                    continue;
                }
                auto *button = dialog->findChild<QAbstractButton *>(step);
                if (!button || !button->isVisible()) {
                    fault += step + QStringLiteral(" not shown; ");
                    break;
                }
                auto self = shared_from_this();
                QTimer::singleShot(0, [self, dialog] {
                    if (!self->steps.isEmpty() && QApplication::activeModalWidget() != dialog)
                        self->run(dialog);
                });
                QTest::mouseClick(button, Qt::LeftButton);
            }
            if (dialog->isVisible()) {
                fault += QString::fromLatin1(dialog->metaObject()->className()) + QStringLiteral(" still open; ");
                dialog->reject();
            }
        }
    };
    auto walk = std::make_shared<Walk>();
    walk->steps = steps;
    QTimer::singleShot(0, [walk] { walk->run(nullptr); });
    QTest::mouseClick(opener, Qt::LeftButton);
    return walk->fault;
}

#endif // SCREENDRIVER_H
