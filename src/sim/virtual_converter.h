#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "link/event_fd.h"
#include "link/packet.h"
#include "sim/converter_model.h"
#include "sim/host_packet_parser.h"
#include "sim/pseudo_terminal.h"
#include "sim/traffic_plan.h"

namespace tovrin::sim {

// A converter on the far end of a pseudo-terminal: answers what the host sends and
// passes bus traffic to it, on a thread of its own.
class VirtualConverter {
public:
    VirtualConverter();  // throws std::system_error when no pseudo-terminal can be had
    ~VirtualConverter();
    VirtualConverter(const VirtualConverter&) = delete;
    VirtualConverter& operator=(const VirtualConverter&) = delete;

    const std::string& DevicePath() const { return m_pty.SlavePath(); }
    void Start();
    void Stop();

    // Replaces any running plan; frame numbers start again at 0.
    void Generate(const TrafficPlan& plan);
    void EnableDemoTraffic() { Generate(DemoTrafficPlan()); }
    // True once every frame of a plan with an end has been produced and written out.
    bool WaitGenerated(std::chrono::milliseconds timeout);
    // True once the host has read everything sent to it.
    bool WaitHostRead(std::chrono::milliseconds timeout);
    uint64_t Generated() const;  // frames of the plan written towards the host
    uint64_t Filtered() const;   // frames of the plan the converter's filters held back

    void SendRaw(const Bytes& bytes);
    // The converter disappears: the host's side of the line hangs up.
    void Vanish();

    ConverterState State() const;
    void SetErrors(const ErrorState& errors);
    // The converter's own line rate: nothing means it follows whatever the host uses.
    // A host at another rate gets nothing through in either direction.
    void SetLineSpeed(std::optional<unsigned> baud);
    std::optional<unsigned> LineSpeed() const;
    unsigned HostLineSpeed() const { return m_pty.HostLineSpeed(); }

private:
    void Run();
    bool LineMismatched() const;
    int PollTimeout(bool mismatched) const;
    void ProduceDueFrames(std::chrono::steady_clock::time_point now);
    bool PlanCanRun() const;
    std::chrono::steady_clock::time_point NextFrameDue() const;
    bool PlanFinished() const;
    void ReadHost();
    void WriteHost(bool mismatched);

    PseudoTerminal m_pty;
    EventFd m_wake;
    std::thread m_thread;
    bool m_stopping = false;

    mutable std::mutex m_mutex;
    std::condition_variable m_progress;
    ConverterModel m_model;
    HostPacketParser m_parser;
    Bytes m_toHost;
    std::optional<unsigned> m_lineSpeed;
    std::optional<TrafficPlan> m_plan;
    std::chrono::steady_clock::time_point m_planStart;
    uint64_t m_produced = 0;
    uint64_t m_generated = 0;
    uint64_t m_filtered = 0;
};

}  // namespace tovrin::sim
