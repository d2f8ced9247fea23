#include "platform/Ping.h"
#include <QStringList>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

std::int64_t TSystemClock::Milliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {

constexpr std::uint8_t IcmpEchoReply = 0;
constexpr std::uint8_t IcmpEchoRequest = 8;
constexpr int IcmpHeaderSize = 8;

// Four decimal parts 0..255; blanks around a part are allowed, leading zeros read as decimal.
bool ParseIPv4(const QString& text, in_addr& addr)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    std::uint32_t value = 0;
    for (const QString& part : parts) {
        const QString p = part.trimmed();
        bool ok = false;
        const int byte = p.toInt(&ok, 10);
        if (!ok || byte < 0 || byte > 255 || p.startsWith(QLatin1Char('+')))
            return false;
        value = (value << 8) | static_cast<std::uint32_t>(byte);
    }
    addr.s_addr = htonl(value);
    return true;
}

std::uint16_t Checksum(const std::vector<std::uint8_t>& data)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    if (data.size() % 2)
        sum += static_cast<std::uint32_t>(data.back() << 8);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

QString Reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

class Socket {
public:
    explicit Socket(int fd) : FFd(fd) {}
    ~Socket()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return FFd; }

private:
    int FFd;
};

} // namespace

TEchoResult TIcmpPinger::Echo(const QString& address)
{
    in_addr target{};
    if (!ParseIPv4(address, target))
        return {TEchoStatus::esFailed, 0, QStringLiteral("\"%1\" is not an IPv4 address").arg(address)};

    // The datagram socket needs no privilege where the system allows it; a raw one needs it everywhere.
    bool raw = false;
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    const int datagramError = errno;
    if (fd < 0) {
        fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        raw = true;
    }
    if (fd < 0)
        return {TEchoStatus::esNoSocket, 0,
                QStringLiteral("ICMP datagram socket: %1; raw socket: %2").arg(Reason(datagramError), Reason(errno))};
    const Socket socket(fd);

    // On a datagram socket the system sets the identifier and keeps other sockets' replies away;
    // a raw socket sees every ICMP message, so ours are told apart by identifier.
    const std::uint16_t id = static_cast<std::uint16_t>(::getpid());
    std::vector<std::uint8_t> packet(IcmpHeaderSize + DataSize);
    packet[0] = IcmpEchoRequest;
    packet[4] = static_cast<std::uint8_t>(id >> 8);
    packet[5] = static_cast<std::uint8_t>(id);
    for (int i = 0; i < DataSize; ++i)
        packet[IcmpHeaderSize + i] = static_cast<std::uint8_t>('A' + i % 26);
    const std::uint16_t sum = Checksum(packet);
    packet[2] = static_cast<std::uint8_t>(sum >> 8);
    packet[3] = static_cast<std::uint8_t>(sum);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr = target;
    if (::sendto(fd, packet.data(), packet.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0)
        return {TEchoStatus::esFailed, 0, Reason(errno)};

    TSystemClock clock;
    const std::int64_t deadline = clock.Milliseconds() + ReceiveTimeOut;
    std::vector<std::uint8_t> reply(65536);
    for (std::int64_t left = ReceiveTimeOut; left > 0; left = deadline - clock.Milliseconds()) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(std::min<std::int64_t>(left, 10))) > 0) {
            sockaddr_in from{};
            socklen_t fromSize = sizeof from;
            const ssize_t n =
                ::recvfrom(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
            const std::size_t offset = raw && n > 0 ? static_cast<std::size_t>(reply[0] & 0x0F) * 4 : 0;
            if (n >= 0 && static_cast<std::size_t>(n) >= offset + IcmpHeaderSize && from.sin_addr.s_addr == target.s_addr) {
                const std::uint8_t* icmp = reply.data() + offset;
                const bool ours = !raw || (icmp[4] == packet[4] && icmp[5] == packet[5]);
                if (icmp[0] == IcmpEchoReply && ours && icmp[6] == 0 && icmp[7] == 0)
                    return {TEchoStatus::esReply, static_cast<int>(n - offset - IcmpHeaderSize), QString()};
            }
        }
        if (OnWait)
            OnWait();
    }
    return {TEchoStatus::esTimedOut, 0, QString()};
}
