#include "platform/SocketIcmpEcho.h"

#include "platform/Ipv4Address.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

namespace platform {
namespace {

using cfg::image::Echo_Reply;
using cfg::image::Echo_Send;

constexpr std::uint8_t Echo_Request = 8;
constexpr std::uint8_t Echo_Reply_Type = 0;
constexpr std::size_t Icmp_Header_Size = 8;

class IcmpSocket {
public:
    IcmpSocket() {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, IPPROTO_ICMP);
        if (fd_ < 0) {
            fd_ = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, IPPROTO_ICMP);
            raw_ = true;
        }
    }
    ~IcmpSocket() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    IcmpSocket(const IcmpSocket&) = delete;
    IcmpSocket& operator=(const IcmpSocket&) = delete;

    bool is_open() const { return fd_ >= 0; }
    // A raw socket hands over the IP header too, and every ICMP message the host receives.
    bool raw() const { return raw_; }
    int fd() const { return fd_; }

private:
    int fd_ = -1;
    bool raw_ = false;
};

std::optional<in_addr> ipv4_address(const std::string& text) {
    const auto bytes = ipv4_bytes(text);
    if (!bytes)
        return std::nullopt;
    in_addr address{};
    std::memcpy(&address.s_addr, bytes->data(), bytes->size());
    return address;
}

std::uint16_t internet_checksum(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const std::uint32_t low = i + 1 < bytes.size() ? bytes[i + 1] : 0;
        sum += static_cast<std::uint32_t>(bytes[i]) << 8 | low;
    }
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

void put_u16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value >> 8);
    bytes[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

std::uint16_t get_u16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
}

std::vector<std::uint8_t> echo_request(std::uint16_t identifier, std::uint16_t sequence, int data_size) {
    std::vector<std::uint8_t> packet(Icmp_Header_Size + static_cast<std::size_t>(data_size));
    packet[0] = Echo_Request;
    put_u16(packet, 4, identifier);
    put_u16(packet, 6, sequence);
    for (std::size_t i = Icmp_Header_Size; i < packet.size(); ++i)
        packet[i] = static_cast<std::uint8_t>(i);
    put_u16(packet, 2, internet_checksum(packet));
    return packet;
}

enum class Received { Other, Reply, Empty_Reply };

// Whether a received message is the reply to our request. A datagram socket's kernel has matched
// the identifier already (it sets its own) and hands over the ICMP message alone.
Received classify(const IcmpSocket& socket, const std::uint8_t* bytes, std::size_t size,
                  std::uint16_t identifier, std::uint16_t sequence) {
    if (socket.raw()) {
        if (size < 20)
            return Received::Other;
        const std::size_t header = static_cast<std::size_t>(bytes[0] & 0x0F) * 4;
        if (size < header)
            return Received::Other;
        bytes += header;
        size -= header;
    }
    if (size < Icmp_Header_Size || bytes[0] != Echo_Reply_Type || bytes[1] != 0 ||
        get_u16(bytes + 6) != sequence)
        return Received::Other;
    if (socket.raw() && get_u16(bytes + 4) != identifier)
        return Received::Other;
    return size > Icmp_Header_Size ? Received::Reply : Received::Empty_Reply;
}

} // namespace

// One request in flight: its socket stays open until the next request, so its reply can be read.
struct SocketIcmpEcho::Request {
    IcmpSocket socket;
    in_addr target{};
    std::uint16_t identifier = 0;
    std::uint16_t sequence = 0;
    std::size_t size = 0;
    Echo_Reply answer = Echo_Reply::Waiting;
};

SocketIcmpEcho::SocketIcmpEcho() = default;
SocketIcmpEcho::~SocketIcmpEcho() = default;

bool SocketIcmpEcho::available() {
    return IcmpSocket().is_open();
}

Echo_Send SocketIcmpEcho::send(const std::string& address, int data_size) {
    request_.reset();
    const std::optional<in_addr> target = ipv4_address(address);
    if (!target || data_size < 0)
        return Echo_Send::Failed;
    auto request = std::make_unique<Request>();
    if (!request->socket.is_open())
        return Echo_Send::Not_Permitted;
    request->target = *target;
    request->identifier = static_cast<std::uint16_t>(::getpid());
    request->sequence = ++sequence_;
    const std::vector<std::uint8_t> packet = echo_request(request->identifier, request->sequence, data_size);
    request->size = packet.size();
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr = *target;
    if (::sendto(request->socket.fd(), packet.data(), packet.size(), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0)
        return Echo_Send::Failed;
    request_ = std::move(request);
    return Echo_Send::Sent;
}

Echo_Reply SocketIcmpEcho::reply() {
    if (!request_)
        return Echo_Reply::No_Reply;
    Request& request = *request_;
    std::vector<std::uint8_t> buffer(request.size + 128);
    while (request.answer == Echo_Reply::Waiting) {
        sockaddr_in from{};
        socklen_t from_size = sizeof from;
        const ssize_t got = ::recvfrom(request.socket.fd(), buffer.data(), buffer.size(), 0,
                                       reinterpret_cast<sockaddr*>(&from), &from_size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // A datagram socket reports an error reply (unreachable, say) as a failed receive.
        if (got < 0) {
            request.answer = Echo_Reply::No_Reply;
            break;
        }
        if (from.sin_addr.s_addr != request.target.s_addr)
            continue;
        switch (classify(request.socket, buffer.data(), static_cast<std::size_t>(got), request.identifier,
                         request.sequence)) {
        case Received::Reply:
            request.answer = Echo_Reply::Reply;
            break;
        case Received::Empty_Reply:
            request.answer = Echo_Reply::No_Reply;
            break;
        case Received::Other:
            break;
        }
    }
    return request.answer;
}

} // namespace platform
