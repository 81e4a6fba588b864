#include "link/rx_mailbox.h"

#include <algorithm>

#include "link/serial_session.h"

namespace tovrin {

void RxMailbox::PushChunk(std::shared_ptr<SerialSession> session, Bytes bytes) {
    {
        std::lock_guard lock(m_mutex);
        if (session->Stopped()) return;
        m_waiting.emplace_back(RxChunk{std::move(session), std::move(bytes)});
    }
    m_notify.Signal();
}

void RxMailbox::PushReport(SerialPortOwner& owner, PortError error) {
    {
        std::lock_guard lock(m_mutex);
        m_waiting.emplace_back(PortReport{&owner, std::move(error)});
    }
    m_notify.Signal();
}

void RxMailbox::TakeAll(std::deque<Delivery>& into) {
    m_notify.Clear();
    std::lock_guard lock(m_mutex);
    std::move(m_waiting.begin(), m_waiting.end(), std::back_inserter(into));
    m_waiting.clear();
}

void RxMailbox::DropChunksOf(const SerialSession& session) {
    std::lock_guard lock(m_mutex);
    tovrin::DropChunksOf(m_waiting, session);
}

void DropChunksOf(std::deque<Delivery>& deliveries, const SerialSession& session) {
    std::erase_if(deliveries, [&](const Delivery& d) {
        const RxChunk* chunk = std::get_if<RxChunk>(&d);
        return chunk && chunk->session.get() == &session;
    });
}

}  // namespace tovrin
