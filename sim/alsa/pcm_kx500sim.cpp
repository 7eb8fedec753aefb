// The simulated codec's pcm device, loaded by alsa-lib into the program's
// process. Capture delivers the sensor's sound from the sound model, playback
// swallows the samples and reports their level in ROOT/sim/playback.state.
// Both run in real time: the hardware pointer follows CLOCK_MONOTONIC since
// the start, and a timerfd ticking once per period is the poll descriptor.
// Xruns, the start of an empty playback stream and a prepare of a running
// stream behave as with a kernel driver, so the program's recovery paths run
// as on the board.
#include <alsa/asoundlib.h>
#include <alsa/pcm_external.h>

#include "plugin.h"
#include "statefile.h"

#include <sys/stat.h>
#include <sys/timerfd.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "soundmodel.h"

namespace {

constexpr unsigned Rate = 16000;
constexpr uint64_t NsPerSecond = 1000000000ull;
// How often a running capture looks at the sound settings again.
constexpr uint64_t SettingsCheckNs = 200000000ull;
// Playback level: ten slots of 100 ms make the last second.
constexpr unsigned LevelSlotFrames = Rate / 10;
constexpr unsigned LevelSlots = 10;

uint64_t monotonicNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return uint64_t(ts.tv_sec) * NsPerSecond + uint64_t(ts.tv_nsec);
}

struct SimPcm
{
    snd_pcm_ioplug_t io;
    std::string root;
    int timerFd = -1;

    bool running = false;
    bool xrun = false;
    uint64_t startNs = 0;
    // Frames the hardware has moved since the last prepare; frozen while stopped.
    uint64_t hwFrames = 0;
    snd_pcm_uframes_t boundary = 0;
    snd_pcm_uframes_t stopThreshold = 0;
    snd_pcm_uframes_t availMin = 1;

    SoundModel::Generator generator{double(Rate)};
    SoundModel::Settings settings;
    uint64_t settingsCheckedNs = 0;
    timespec settingsMtime{};
    ino_t settingsInode = 0;
    std::vector<int16_t> samples;

    double slotSum[LevelSlots] = {};
    unsigned slotFrames[LevelSlots] = {};
    unsigned slot = 0;
    uint64_t framesPlayed = 0;
    bool levelDirty = false;

    bool capture() const { return io.stream == SND_PCM_STREAM_CAPTURE; }
};

SimPcm *pcmOf(snd_pcm_ioplug_t *io)
{
    return static_cast<SimPcm *>(io->private_data);
}

void reloadSettings(SimPcm *p, bool force)
{
    const uint64_t now = monotonicNs();
    if (!force && now - p->settingsCheckedNs < SettingsCheckNs)
        return;
    p->settingsCheckedNs = now;
    struct stat st;
    if (stat((p->root + "/sim/sound.state").c_str(), &st) != 0) {
        if (force)
            p->settings = SoundModel::Settings();
        return;
    }
    // The simulator replaces the file by rename, so a new inode also counts.
    if (!force && st.st_ino == p->settingsInode && st.st_mtim.tv_sec == p->settingsMtime.tv_sec
        && st.st_mtim.tv_nsec == p->settingsMtime.tv_nsec)
        return;
    p->settingsInode = st.st_ino;
    p->settingsMtime = st.st_mtim;
    p->settings = SoundModel::load(p->root);
}

void writeLevel(SimPcm *p)
{
    if (!p->levelDirty)
        return;
    p->levelDirty = false;
    double sum = 0;
    uint64_t frames = 0;
    for (unsigned i = 0; i < LevelSlots; ++i) {
        sum += p->slotSum[i];
        frames += p->slotFrames[i];
    }
    const double rms = frames ? std::sqrt(sum / double(frames)) : 0.0;
    char text[96];
    std::snprintf(text, sizeof text, "rms %.6f\nframes %llu\n", rms, static_cast<unsigned long long>(p->framesPlayed));
    writeStateFile(p->root + "/sim/playback.state", text);
}

void addPlayedSamples(SimPcm *p, const int16_t *s, snd_pcm_uframes_t n)
{
    for (snd_pcm_uframes_t i = 0; i < n; ++i) {
        const double v = s[i] / 32768.0;
        p->slotSum[p->slot] += v * v;
        if (++p->slotFrames[p->slot] == LevelSlotFrames) {
            p->slot = (p->slot + 1) % LevelSlots;
            p->slotSum[p->slot] = 0;
            p->slotFrames[p->slot] = 0;
            p->levelDirty = true;
            writeLevel(p);
        }
    }
    p->framesPlayed += n;
    p->levelDirty = true;
}

void armTimer(SimPcm *p, bool on)
{
    itimerspec period{};
    if (on) {
        // One tick per period, rounded up so a tick never comes before its period is complete.
        const uint64_t ns = (uint64_t(p->io.period_size) * NsPerSecond + Rate - 1) / Rate;
        period.it_value.tv_sec = time_t(ns / NsPerSecond);
        period.it_value.tv_nsec = long(ns % NsPerSecond);
        period.it_interval = period.it_value;
    }
    timerfd_settime(p->timerFd, 0, &period, nullptr);
    uint64_t expirations;
    while (read(p->timerFd, &expirations, sizeof expirations) > 0) {
    }
}

// Frames ready for the application at the current hardware position.
snd_pcm_sframes_t availAt(const SimPcm *p, uint64_t hw)
{
    const uint64_t appl = p->io.appl_ptr;
    if (p->capture())
        return snd_pcm_sframes_t(hw - appl);
    return snd_pcm_sframes_t(p->io.buffer_size) - snd_pcm_sframes_t(appl - hw);
}

// Moves the hardware on to the present; false on an xrun.
bool advance(SimPcm *p)
{
    if (!p->running || p->xrun)
        return !p->xrun;
    uint64_t hw = (monotonicNs() - p->startNs) * Rate / NsPerSecond;
    const uint64_t appl = p->io.appl_ptr;
    if (p->capture()) {
        if (hw > appl && hw - appl >= p->stopThreshold && p->stopThreshold < p->boundary) {
            p->xrun = true;
            return false;
        }
        // Without a stop threshold the oldest frames are overwritten: the
        // clock moves on and the application skips what it missed.
        if (hw > appl + p->io.buffer_size) {
            const uint64_t skipped = hw - appl - p->io.buffer_size;
            p->startNs += skipped * NsPerSecond / Rate;
            hw -= skipped;
        }
    } else {
        // Nothing can be played that was not written.
        if (hw > appl)
            hw = appl;
        if (p->io.state != SND_PCM_STATE_DRAINING && p->stopThreshold < p->boundary
            && availAt(p, hw) >= snd_pcm_sframes_t(p->stopThreshold)) {
            p->hwFrames = hw;
            p->xrun = true;
            return false;
        }
    }
    p->hwFrames = hw;
    return true;
}

int simStart(snd_pcm_ioplug_t *io)
{
    SimPcm *p = pcmOf(io);
    // As a kernel driver: an empty playback stream refuses to start.
    if (!p->capture() && p->stopThreshold < p->boundary && io->appl_ptr == 0)
        return -EPIPE;
    p->running = true;
    p->xrun = false;
    p->hwFrames = 0;
    p->startNs = monotonicNs();
    if (p->capture())
        reloadSettings(p, true);
    armTimer(p, true);
    return 0;
}

int simStop(snd_pcm_ioplug_t *io)
{
    SimPcm *p = pcmOf(io);
    if (p->running)
        advance(p);
    p->running = false;
    armTimer(p, false);
    if (!p->capture())
        writeLevel(p);
    return 0;
}

snd_pcm_sframes_t simPointer(snd_pcm_ioplug_t *io)
{
    SimPcm *p = pcmOf(io);
    if (!advance(p))
        return -EPIPE;
    return snd_pcm_sframes_t(p->boundary ? p->hwFrames % p->boundary : p->hwFrames);
}

snd_pcm_sframes_t simTransfer(snd_pcm_ioplug_t *io, const snd_pcm_channel_area_t *areas, snd_pcm_uframes_t offset,
                              snd_pcm_uframes_t size)
{
    SimPcm *p = pcmOf(io);
    char *base = static_cast<char *>(areas[0].addr) + (areas[0].first + areas[0].step * offset) / 8;
    const unsigned step = areas[0].step / 8;
    if (p->capture()) {
        reloadSettings(p, false);
        p->samples.resize(size);
        p->generator.render(p->samples.data(), unsigned(size), p->settings);
        for (snd_pcm_uframes_t i = 0; i < size; ++i)
            std::memcpy(base + i * step, &p->samples[i], sizeof(int16_t));
    } else {
        p->samples.resize(size);
        for (snd_pcm_uframes_t i = 0; i < size; ++i)
            std::memcpy(&p->samples[i], base + i * step, sizeof(int16_t));
        addPlayedSamples(p, p->samples.data(), size);
    }
    return snd_pcm_sframes_t(size);
}

int simSwParams(snd_pcm_ioplug_t *io, snd_pcm_sw_params_t *params)
{
    SimPcm *p = pcmOf(io);
    snd_pcm_sw_params_get_boundary(params, &p->boundary);
    snd_pcm_sw_params_get_stop_threshold(params, &p->stopThreshold);
    snd_pcm_sw_params_get_avail_min(params, &p->availMin);
    if (p->availMin == 0)
        p->availMin = 1;
    return 0;
}

int simPrepare(snd_pcm_ioplug_t *io)
{
    SimPcm *p = pcmOf(io);
    // alsa-lib has already reset both pointers. A kernel driver refuses to
    // prepare a running stream and lets it run on; do the same from here.
    if (p->running && !p->xrun
        && (io->state == SND_PCM_STATE_RUNNING || io->state == SND_PCM_STATE_DRAINING)) {
        p->startNs = monotonicNs();
        p->hwFrames = 0;
        return -EBUSY;
    }
    p->running = false;
    p->xrun = false;
    p->hwFrames = 0;
    armTimer(p, false);
    if (!p->capture())
        writeLevel(p);
    return 0;
}

int simPollRevents(snd_pcm_ioplug_t *io, struct pollfd *pfd, unsigned int nfds, unsigned short *revents)
{
    SimPcm *p = pcmOf(io);
    *revents = 0;
    if (nfds != 1 || pfd[0].fd != p->timerFd)
        return -EINVAL;
    uint64_t expirations;
    while (read(p->timerFd, &expirations, sizeof expirations) > 0) {
    }
    if (pfd[0].revents & (POLLERR | POLLNVAL)) {
        *revents = POLLERR;
        return 0;
    }
    const unsigned short ready = p->capture() ? POLLIN : POLLOUT;
    // An xrun wakes the application so that its next call reports it.
    if (!advance(p) || io->state == SND_PCM_STATE_DRAINING
        || availAt(p, p->hwFrames) >= snd_pcm_sframes_t(p->availMin))
        *revents = ready;
    return 0;
}

int simClose(snd_pcm_ioplug_t *io)
{
    SimPcm *p = pcmOf(io);
    if (!p->capture())
        writeLevel(p);
    if (p->timerFd >= 0)
        close(p->timerFd);
    delete p;
    return 0;
}

const snd_pcm_ioplug_callback_t simCallbacks = [] {
    snd_pcm_ioplug_callback_t c{};
    c.start = simStart;
    c.stop = simStop;
    c.pointer = simPointer;
    c.transfer = simTransfer;
    c.close = simClose;
    c.sw_params = simSwParams;
    c.prepare = simPrepare;
    c.poll_revents = simPollRevents;
    return c;
}();

int setConstraints(snd_pcm_ioplug_t *io)
{
    // The codec's one format; anything else is refused here, so that a
    // "near" request settles on it.
    static const unsigned accessList[] = {SND_PCM_ACCESS_RW_INTERLEAVED};
    static const unsigned formatList[] = {SND_PCM_FORMAT_S16_LE};
    int err = snd_pcm_ioplug_set_param_list(io, SND_PCM_IOPLUG_HW_ACCESS, 1, accessList);
    if (err >= 0)
        err = snd_pcm_ioplug_set_param_list(io, SND_PCM_IOPLUG_HW_FORMAT, 1, formatList);
    if (err >= 0)
        err = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_CHANNELS, 1, 1);
    if (err >= 0)
        err = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_RATE, Rate, Rate);
    // 1 ms to 4 s per period, up to 8 s of buffer.
    if (err >= 0)
        err = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_PERIOD_BYTES, 32, 4 * 2 * Rate);
    if (err >= 0)
        err = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_BUFFER_BYTES, 64, 8 * 2 * Rate);
    if (err >= 0)
        err = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_PERIODS, 2, 1024);
    return err;
}

} // namespace

extern "C" {

SND_PCM_PLUGIN_DEFINE_FUNC(kx500sim)
{
    (void)root;
    if (const int error = SimPlugin::checkConfig(conf))
        return error;
    const char *rootDir = SimPlugin::platformRoot();
    if (!rootDir)
        return -ENODEV;

    SimPcm *p = new SimPcm;
    p->root = rootDir;
    std::memset(&p->io, 0, sizeof p->io);
    p->timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (p->timerFd < 0) {
        const int err = -errno;
        delete p;
        return err;
    }
    p->io.version = SND_PCM_IOPLUG_VERSION;
    p->io.name = "KX500 simulated codec";
    p->io.flags = SND_PCM_IOPLUG_FLAG_BOUNDARY_WA | SND_PCM_IOPLUG_FLAG_MONOTONIC;
    p->io.poll_fd = p->timerFd;
    // A timerfd only ever becomes readable; poll_revents turns that into POLLOUT for playback.
    p->io.poll_events = POLLIN;
    p->io.mmap_rw = 0;
    p->io.callback = &simCallbacks;
    p->io.private_data = p;

    int err = snd_pcm_ioplug_create(&p->io, name, stream, mode);
    if (err < 0) {
        close(p->timerFd);
        delete p;
        return err;
    }
    err = setConstraints(&p->io);
    if (err < 0) {
        // Deleting the ioplug closes it, which frees p.
        snd_pcm_ioplug_delete(&p->io);
        return err;
    }
    *pcmp = p->io.pcm;
    return 0;
}

SND_PCM_PLUGIN_SYMBOL(kx500sim)

} // extern "C"
