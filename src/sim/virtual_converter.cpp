#include "sim/virtual_converter.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace tovrin::sim {
namespace {
using Clock = std::chrono::steady_clock;
// Bytes kept ready for the line while traffic runs as fast as it can.
constexpr size_t OUTPUT_RESERVE = 16 * 1024;
constexpr size_t READ_CHUNK = 4096;
constexpr int RECHECK_MS = 50;
}  // namespace

VirtualConverter::VirtualConverter() = default;

VirtualConverter::~VirtualConverter() { Stop(); }

void VirtualConverter::Start() {
    if (m_thread.joinable()) return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = false;
    }
    m_thread = std::thread([this] { Run(); });
}

void VirtualConverter::Stop() {
    if (!m_thread.joinable()) return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.Signal();
    m_thread.join();
}

void VirtualConverter::Generate(const TrafficPlan& plan) {
    {
        std::lock_guard lock(m_mutex);
        m_plan = plan;
        m_planStart = Clock::now();
        m_produced = m_generated = m_filtered = 0;
    }
    m_wake.Signal();
}

bool VirtualConverter::WaitGenerated(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_progress.wait_for(lock, timeout, [this] { return PlanFinished() && m_toHost.empty(); });
}

bool VirtualConverter::WaitHostRead(std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    // Twice in a row: bytes on their way into the host's queue are not counted yet.
    for (int quiet = 0; quiet < 2; quiet = m_pty.HostUnread() == 0 ? quiet + 1 : 0) {
        if (Clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

uint64_t VirtualConverter::Generated() const {
    std::lock_guard lock(m_mutex);
    return m_generated;
}

uint64_t VirtualConverter::Filtered() const {
    std::lock_guard lock(m_mutex);
    return m_filtered;
}

void VirtualConverter::SendRaw(const Bytes& bytes) {
    {
        std::lock_guard lock(m_mutex);
        m_toHost.insert(m_toHost.end(), bytes.begin(), bytes.end());
    }
    m_wake.Signal();
}

void VirtualConverter::Vanish() {
    Stop();
    m_pty.Close();
}

ConverterState VirtualConverter::State() const {
    std::lock_guard lock(m_mutex);
    return m_model.State();
}

void VirtualConverter::SetErrors(const ErrorState& errors) {
    std::lock_guard lock(m_mutex);
    m_model.SetErrors(errors);
}

void VirtualConverter::SetLineSpeed(std::optional<unsigned> baud) {
    std::lock_guard lock(m_mutex);
    m_lineSpeed = baud;
}

std::optional<unsigned> VirtualConverter::LineSpeed() const {
    std::lock_guard lock(m_mutex);
    return m_lineSpeed;
}

void VirtualConverter::Run() {
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        const bool mismatched = LineMismatched();
        if (!mismatched) ProduceDueFrames(Clock::now());
        WriteHost(mismatched);
        m_progress.notify_all();

        pollfd fds[] = {
            {m_wake.fd(), POLLIN, 0},
            {m_pty.MasterFd(), static_cast<short>(POLLIN | (m_toHost.empty() ? 0 : POLLOUT)), 0},
        };
        const int timeoutMs = PollTimeout(mismatched);
        lock.unlock();
        const int ready = poll(fds, 2, timeoutMs);
        lock.lock();
        if (ready < 0 && errno != EINTR) break;
        if (fds[0].revents) m_wake.Clear();
        if (fds[1].revents & POLLIN) ReadHost();
    }
}

int VirtualConverter::PollTimeout(bool mismatched) const {
    // Nothing wakes us when the host changes its rate: look again now and then.
    if (mismatched) return RECHECK_MS;
    if (!PlanCanRun()) return -1;
    if (m_plan->ratePerSecond <= 0) return m_toHost.size() < OUTPUT_RESERVE ? 0 : -1;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(NextFrameDue() - Clock::now());
    return static_cast<int>(std::clamp<long long>(wait.count(), 0, 1000));
}

// A host at another rate than the converter's sees only garbage: here, nothing.
bool VirtualConverter::LineMismatched() const {
    return m_lineSpeed && m_pty.HostLineSpeed() != *m_lineSpeed;
}

void VirtualConverter::ProduceDueFrames(Clock::time_point now) {
    while (PlanCanRun() && m_toHost.size() < OUTPUT_RESERVE) {
        if (m_plan->ratePerSecond > 0 && NextFrameDue() > now) return;
        const uint64_t k = m_produced++;
        const CanFrame frame = PlannedFrame(*m_plan, k);
        if (m_plan->raw || m_model.Accepts(frame)) {
            const Bytes packet = EncodeFrame(frame, PlannedForm(*m_plan, k));
            m_toHost.insert(m_toHost.end(), packet.begin(), packet.end());
            ++m_generated;
        } else {
            ++m_filtered;
        }
        const Bytes noise = PlannedNoise(*m_plan, k);
        m_toHost.insert(m_toHost.end(), noise.begin(), noise.end());
    }
}

// A plan waits for a start command unless it is raw, as a converter on a bus would.
bool VirtualConverter::PlanCanRun() const {
    return m_plan && !PlanFinished() && (m_plan->raw || m_model.State().start);
}

// For a paced plan: when its next frame is due.
Clock::time_point VirtualConverter::NextFrameDue() const {
    const auto offset = std::chrono::duration<double>(static_cast<double>(m_produced) / m_plan->ratePerSecond);
    return m_planStart + std::chrono::duration_cast<Clock::duration>(offset);
}

bool VirtualConverter::PlanFinished() const { return !m_plan || (m_plan->count && m_produced >= m_plan->count); }

void VirtualConverter::ReadHost() {
    uint8_t buffer[READ_CHUNK];
    const ssize_t n = read(m_pty.MasterFd(), buffer, sizeof buffer);
    // The rate as it is now: the host may have reopened while we waited.
    if (n <= 0 || LineMismatched()) return;
    for (ssize_t i = 0; i < n; ++i) {
        const std::optional<Bytes> packet = m_parser.Feed(buffer[i]);
        if (!packet) continue;
        const Bytes answer = m_model.Take(*packet);
        m_toHost.insert(m_toHost.end(), answer.begin(), answer.end());
        if ((*packet)[1] == SETTINGS_MARK && (*packet)[2] == CMD_COM_BAUD) {
            if (auto rate = ComBaudRate((*packet)[3])) m_lineSpeed = rate;
        }
    }
}

void VirtualConverter::WriteHost(bool mismatched) {
    if (mismatched) {
        m_toHost.clear();
        return;
    }
    while (!m_toHost.empty()) {
        const ssize_t n = write(m_pty.MasterFd(), m_toHost.data(), m_toHost.size());
        if (n <= 0) return;
        m_toHost.erase(m_toHost.begin(), m_toHost.begin() + n);
    }
}

}  // namespace tovrin::sim
