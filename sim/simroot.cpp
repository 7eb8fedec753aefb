#include "simroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SimRoot {

namespace {

struct InitialFile
{
    const char *path;
    const char *text;
};

// What a freshly booted board shows. Values end in "\n" as the kernel's do.
const InitialFile initialFiles[] = {
    {"/sys/class/gpio/export", ""},
    {"/sys/class/gpio/unexport", ""},
    {"/sys/class/pwm/pwmchip1/export", ""},
    {"/sys/class/pwm/pwmchip1/unexport", ""},
    {"/sys/class/pwm/pwmchip1/pwm0/period", "0\n"},
    {"/sys/class/pwm/pwmchip1/pwm0/duty_cycle", "0\n"},
    {"/sys/class/pwm/pwmchip1/pwm0/enable", "0\n"},
    {"/sys/class/backlight/backlight/brightness", "7\n"},
    {"/sys/class/backlight/backlight/max_brightness", "7\n"},
    {"/sys/class/power_supply/bq27426-0/capacity", "80\n"},
    {"/sys/class/power_supply/bq27426-0/voltage_now", "3900000\n"},
    {"/sys/class/power_supply/bq27426-0/current_now", "-250000\n"},
    {"/sys/class/power_supply/bq27426-0/temp", "250\n"},
    {"/sys/class/power_supply/bq24190-battery/status", "Discharging\n"},
    {"/sys/bus/iio/devices/iio:device0/scan_elements/in_voltage0_en", "0\n"},
    {"/sys/bus/iio/devices/iio:device0/buffer/length", "0\n"},
    {"/sys/bus/iio/devices/iio:device0/buffer/enable", "0\n"},
    {"/sys/bus/iio/devices/iio:device0/in_voltage1_raw", "0\n"},
    {"/sys/bus/iio/devices/iio:device0/in_voltage4_raw", "1200\n"},
    {"/sys/bus/iio/devices/iio:device0/in_voltage5_raw", "1300\n"},
    {"/sys/bus/i2c/devices/1-0018/registers", ""},
    {"/dev/iio:device0", ""},
    {"/dev/rtc0", ""},
    {"/home/root/serialNumber", "KX5-00001\n"},
    {"/home/root/productionDate", "2026-01-15\n"},
    {"/home/root/bspinfo", "KX500 BSP V1.0.0 simulated\n"},
    {"/sim/commands.log", ""},
    {"/sim/mounts", ""},
};

const char *const initialFolders[] = {
    "/media/kx500",
    "/media/ramdisk",
    "/home/root",
    "/var/lib/alsa",
    "/usr/lib/fonts",
    "/dev",
    "/bin",
    "/sim",
};

// Every stand-in records its call; a few also play the effect that matters.
// The root is found from the script's own place, so the stand-ins work
// whichever process runs them.
const char *const standInHeader =
    "#!/bin/sh\n"
    "root=$(cd \"$(dirname \"$0\")/..\" && pwd)\n"
    "name=$(basename \"$0\")\n"
    "printf '%s\\n' \"$name${*:+ $*}\" >> \"$root/sim/commands.log\"\n";

const char *standInBody(const QString &name)
{
    // The data partition's files live in media/kx500 while it is mounted
    // and in sim/usb-partition while it is not; what the program writes into
    // the bare mount point meanwhile is hidden by the next mount and kept in
    // sim/under-mountpoint.PID, where a test can find it.
    if (name == QLatin1String("mount"))
        return "mounts=\"$root/sim/mounts\"\n"
               "if [ $# -eq 0 ]; then cat \"$mounts\"; exit 0; fi\n"
               "if [ $# -ne 2 ]; then echo \"mount: usage: mount DEVICE DIR\" >&2; exit 1; fi\n"
               "if [ -e \"$root/sim/gadget\" ] && grep -q \"file=$1 \" \"$root/sim/gadget\"; then\n"
               "  echo \"mount: $1: device is busy (exported over USB)\" >&2; exit 32\n"
               "fi\n"
               "if grep -q \" $2\\$\" \"$mounts\"; then echo \"mount: $2: already mounted\" >&2; exit 32; fi\n"
               "if [ \"$1 $2\" = \"/dev/mmcblk0p3 /media/kx500\" ] && [ -d \"$root/sim/usb-partition\" ]; then\n"
               "  rmdir \"$root/media/kx500\" 2>/dev/null || mv \"$root/media/kx500\" \"$root/sim/under-mountpoint.$$\" || exit 32\n"
               "  mv \"$root/sim/usb-partition\" \"$root/media/kx500\" || exit 32\n"
               "fi\n"
               "printf '%s %s\\n' \"$1\" \"$2\" >> \"$mounts\"\n";
    if (name == QLatin1String("umount"))
        return "mounts=\"$root/sim/mounts\"\n"
               "if ! grep -q -e \"^$1 \" -e \" $1\\$\" \"$mounts\"; then echo \"umount: $1: not mounted\" >&2; exit 32; fi\n"
               "partition=no\n"
               "grep -q -e \"^$1 /media/kx500\\$\" -e \"^/dev/mmcblk0p3 $1\\$\" \"$mounts\" && partition=yes\n"
               "if [ $partition = yes ]; then\n"
               "  if [ -e \"$root/sim/usb-partition\" ]; then echo \"umount: sim/usb-partition is in the way\" >&2; exit 1; fi\n"
               "  mv \"$root/media/kx500\" \"$root/sim/usb-partition\" && mkdir \"$root/media/kx500\" || exit 1\n"
               "fi\n"
               "grep -v -e \"^$1 \" -e \" $1\\$\" \"$mounts\" > \"$mounts.new\"\n"
               "mv \"$mounts.new\" \"$mounts\"\n";
    // The USB mass-storage gadget: sim/gadget holds its parameters while it
    // is loaded. It refuses a partition that is mounted on the device.
    if (name == QLatin1String("modprobe"))
        return "gadget=\"$root/sim/gadget\"\n"
               "[ \"$1\" = g_mass_storage ] || exit 0\n"
               "case \" $* \" in\n"
               "*\" -r \"*)\n"
               "  if [ ! -e \"$gadget\" ]; then echo \"modprobe: FATAL: Module g_mass_storage is not in use.\" >&2; exit 1; fi\n"
               "  rm -f \"$gadget\"; exit 0 ;;\n"
               "esac\n"
               "[ -e \"$gadget\" ] && exit 0\n"
               "file=\n"
               "for a; do case \"$a\" in file=*) file=${a#file=} ;; esac; done\n"
               "if [ -n \"$file\" ] && grep -q \"^$file \" \"$root/sim/mounts\"; then\n"
               "  echo \"g_mass_storage: $file is in use\" >&2; exit 1\n"
               "fi\n"
               "printf '%s \\n' \"$*\" > \"$gadget\"\n";
    // Removes files inside the root only: absolute paths without "..",
    // through no folder that leads out of it; options are ignored and
    // folders refused, never recursed. /bin/rm, as this stand-in may be
    // first in PATH.
    if (name == QLatin1String("rm"))
        return "real=$(cd \"$root\" && pwd -P)\n"
               "rc=0\n"
               "for a; do\n"
               "  case \"$a\" in /*) ;; *) continue ;; esac\n"
               "  case \"$a/\" in */../*) continue ;; esac\n"
               "  dir=$(cd \"$(dirname \"$root$a\")\" 2>/dev/null && pwd -P) || continue\n"
               "  case \"$dir/\" in \"$real\"/*) ;; *) continue ;; esac\n"
               "  if [ -d \"$root$a\" ] && [ ! -L \"$root$a\" ]; then\n"
               "    echo \"rm: cannot remove '$a': Is a directory\" >&2; rc=1; continue\n"
               "  fi\n"
               "  /bin/rm -f -- \"$root$a\"\n"
               "done\n"
               "exit $rc\n";
    // A script the PC left: logged by the header, never run.
    if (name == QLatin1String("sh"))
        return "exit 0\n";
    if (name == QLatin1String("poweroff") || name == QLatin1String("reboot"))
        return "[ -e \"$root/sim/end-program-on-poweroff\" ] && kill -TERM \"$PPID\"\n"
               "exit 0\n";
    // The simulated clock: the host's time plus sim/clock-offset seconds.
    // "-s" sets it as GNU date does (a date alone is that day's midnight, a
    // time alone keeps the simulated day); the host's clock is never set.
    if (name == QLatin1String("date"))
        return "offset=$(cat \"$root/sim/clock-offset\" 2>/dev/null)\n"
               "case ${offset#-} in ''|*[!0-9]*) offset=0 ;; esac\n"
               "now=$(($(/bin/date +%s) + offset))\n"
               "fmt= set=\n"
               "while [ $# -gt 0 ]; do\n"
               "  case \"$1\" in\n"
               "  +*) fmt=$1 ;;\n"
               "  -s) set=$2; [ $# -gt 1 ] && shift ;;\n"
               "  -s*) set=${1#-s} ;;\n"
               "  --set=*) set=${1#--set=} ;;\n"
               "  esac\n"
               "  shift\n"
               "done\n"
               "if [ -n \"$set\" ]; then\n"
               "  case \"$set\" in\n"
               "  *-*|*/*|*' '*) ;;\n"
               "  *:*) set=\"$(/bin/date -d \"@$now\" +%F) $set\" ;;\n"
               "  esac\n"
               "  new=$(/bin/date -d \"$set\" +%s) || exit 1\n"
               "  offset=$((new - $(/bin/date +%s)))\n"
               "  printf '%s\\n' \"$offset\" > \"$root/sim/clock-offset.$$\" && mv -f \"$root/sim/clock-offset.$$\" \"$root/sim/clock-offset\" || exit 1\n"
               "  now=$new\n"
               "fi\n"
               "exec /bin/date -d \"@$now\" ${fmt:+\"$fmt\"}\n";
    // Writes the simulated clock to the real-time clock, which needs the
    // device file as on the board.
    if (name == QLatin1String("hwclock"))
        return "dev=/dev/rtc0 write=no\n"
               "while [ $# -gt 0 ]; do\n"
               "  case \"$1\" in -w|--systohc) write=yes ;; -f) dev=$2; [ $# -gt 1 ] && shift ;; esac\n"
               "  shift\n"
               "done\n"
               "if [ ! -e \"$root$dev\" ]; then echo \"hwclock: can't open '$dev': No such file or directory\" >&2; exit 1; fi\n"
               "[ $write = yes ] || exit 0\n"
               "offset=$(cat \"$root/sim/clock-offset\" 2>/dev/null)\n"
               "case ${offset#-} in ''|*[!0-9]*) offset=0 ;; esac\n"
               "printf '%s\\n' \"$offset\" > \"$root/sim/rtc-offset\"\n";
    if (name == QLatin1String("df"))
        return "cat <<'DF'\n"
               "Filesystem     Type      Size  Used Avail Use% Mounted on\n"
               "ubi0:root      ubifs     214M  121M   93M  57% /\n"
               "/dev/mmcblk0p3 vfat      3.6G   12M  3.6G   1% /media/kx500\n"
               "DF\n";
    return "exit 0\n";
}

bool writeNew(const QString &file, const QByteArray &text, QString *error)
{
    if (QFileInfo::exists(file))
        return true;
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(file, f.errorString());
        return false;
    }
    return true;
}

bool makeFolder(const QString &folder, QString *error)
{
    if (QDir().mkpath(folder))
        return true;
    if (error)
        *error = QStringLiteral("cannot create folder %1").arg(folder);
    return false;
}

} // namespace

const QList<int> &gpioLines()
{
    static const QList<int> lines = {16, 17, 48, 50, 54, 58, 59, 65, 96, 113, 114, 115};
    return lines;
}

const QStringList &standInCommands()
{
    static const QStringList names = {
        QStringLiteral("fsck"), QStringLiteral("mount"), QStringLiteral("umount"),
        QStringLiteral("poweroff"), QStringLiteral("reboot"), QStringLiteral("date"),
        QStringLiteral("hwclock"), QStringLiteral("modprobe"), QStringLiteral("alsactl"),
        QStringLiteral("rm"), QStringLiteral("df"), QStringLiteral("sh")};
    return names;
}

bool create(const QString &dir, QString *error)
{
    const QString root = QDir(dir).absolutePath();
    for (const char *folder : initialFolders) {
        if (!makeFolder(root + QLatin1String(folder), error))
            return false;
    }
    for (const InitialFile &file : initialFiles) {
        const QString full = root + QLatin1String(file.path);
        if (!makeFolder(QFileInfo(full).path(), error) || !writeNew(full, file.text, error))
            return false;
    }
    for (int line : gpioLines()) {
        const QString base = root + QStringLiteral("/sys/class/gpio/gpio%1/").arg(line);
        if (!makeFolder(base, error) || !writeNew(base + QLatin1String("direction"), "in\n", error)
            || !writeNew(base + QLatin1String("value"), "0\n", error))
            return false;
    }
    // The simulated audio card, for a program started with
    // XDG_CONFIG_HOME=ROOT/etc/xdg.
    if (!makeFolder(root + QStringLiteral("/etc/xdg/alsa"), error))
        return false;
    QFile::remove(root + QStringLiteral("/etc/xdg/alsa/asoundrc"));
    if (!QFile::copy(QStringLiteral(KX500_ALSA_CONFIG), root + QStringLiteral("/etc/xdg/alsa/asoundrc"))) {
        if (error)
            *error = QStringLiteral("cannot copy the ALSA configuration %1").arg(QStringLiteral(KX500_ALSA_CONFIG));
        return false;
    }
    for (const QString &name : standInCommands()) {
        const QString file = root + QLatin1String("/bin/") + name;
        const QByteArray script = QByteArray(standInHeader) + standInBody(name);
        if (!writeNew(file, script, error))
            return false;
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                        | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                        | QFile::ExeOther);
    }
    return true;
}

bool writeState(const QString &dir, const QString &devicePath, const QByteArray &text)
{
    QSaveFile f(QDir(dir).absolutePath() + devicePath);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(text);
    return f.commit();
}

QString usbPut(const QString &dir, const QString &file, const QString &name)
{
    const QString root = QDir(dir).absolutePath();
    if (!QFileInfo::exists(root + QStringLiteral("/sim/gadget")))
        return QStringLiteral("the partition is not exported over USB (the device has it mounted)");
    const QString clean = QDir::cleanPath(name);
    if (clean.isEmpty() || clean.startsWith(QLatin1Char('/')) || clean == QLatin1String("..")
        || clean.startsWith(QLatin1String("../")))
        return QStringLiteral("NAME must lie inside the partition");
    const QString target = root + QStringLiteral("/sim/usb-partition/") + clean;
    if (!makeFolder(QFileInfo(target).path(), nullptr))
        return QStringLiteral("cannot create the folder of %1").arg(clean);
    QFile in(file);
    QSaveFile out(target);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(file, in.errorString());
    if (!out.open(QIODevice::WriteOnly) || out.write(in.readAll()) < 0 || !out.commit())
        return QStringLiteral("cannot write %1: %2").arg(target, out.errorString());
    return QString();
}

QByteArray readState(const QString &dir, const QString &devicePath)
{
    QFile f(QDir(dir).absolutePath() + devicePath);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace SimRoot
