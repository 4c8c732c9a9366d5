#include "ui/platform/SocketIcmpEcho.h"

#include "core/common/IpAddress.h"
#include "core/common/TextToInt.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <vector>

namespace ui {
namespace {

using cfg::image::Echo_Outcome;
using Clock = std::chrono::steady_clock;

constexpr std::uint8_t Echo_Request = 8;
constexpr std::uint8_t Echo_Reply = 0;
constexpr std::size_t Icmp_Header_Size = 8;

class IcmpSocket {
public:
    IcmpSocket() {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (fd_ < 0) {
            fd_ = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
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

// Dotted decimal only, so that a typing mistake never turns into a name lookup.
std::optional<in_addr> ipv4_address(const std::string& text) {
    const cfg::IpAddressCheck check = cfg::Check_IP_Address(text);
    if (!check.valid)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const std::string& part : check.parts)
        value = value << 8 | static_cast<std::uint32_t>(cfg::Text_To_Int(part, 0));
    in_addr address{};
    address.s_addr = htonl(value);
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
    if (size < Icmp_Header_Size || bytes[0] != Echo_Reply || bytes[1] != 0 || get_u16(bytes + 6) != sequence)
        return Received::Other;
    if (socket.raw() && get_u16(bytes + 4) != identifier)
        return Received::Other;
    return size > Icmp_Header_Size ? Received::Reply : Received::Empty_Reply;
}

} // namespace

bool SocketIcmpEcho::available() {
    return IcmpSocket().is_open();
}

Echo_Outcome SocketIcmpEcho::echo(const std::string& address, int data_size, int timeout_ms) {
    const std::optional<in_addr> target = ipv4_address(address);
    if (!target || data_size < 0)
        return Echo_Outcome::Send_Failed;
    const IcmpSocket socket;
    if (!socket.is_open())
        return Echo_Outcome::Send_Failed;

    const std::uint16_t identifier = static_cast<std::uint16_t>(::getpid());
    const std::uint16_t sequence = ++sequence_;
    const std::vector<std::uint8_t> request = echo_request(identifier, sequence, data_size);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr = *target;
    if (::sendto(socket.fd(), request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                 sizeof to) < 0)
        return Echo_Outcome::Send_Failed;

    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    std::vector<std::uint8_t> buffer(request.size() + 128);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return Echo_Outcome::No_Reply;
        pollfd waiting{socket.fd(), POLLIN, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return Echo_Outcome::No_Reply;
        sockaddr_in from{};
        socklen_t from_size = sizeof from;
        const ssize_t got = ::recvfrom(socket.fd(), buffer.data(), buffer.size(), 0,
                                       reinterpret_cast<sockaddr*>(&from), &from_size);
        // A datagram socket reports an error reply (unreachable, say) as a failed receive.
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Echo_Outcome::No_Reply;
        }
        if (from.sin_addr.s_addr != target->s_addr)
            continue;
        switch (classify(socket, buffer.data(), static_cast<std::size_t>(got), identifier, sequence)) {
        case Received::Reply:
            return Echo_Outcome::Reply;
        case Received::Empty_Reply:
            return Echo_Outcome::No_Reply;
        case Received::Other:
            break;
        }
    }
}

} // namespace ui
