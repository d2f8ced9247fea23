#include "platform/UserFile.h"
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Refuse(QByteArray& bytes, QString* error, const QString& reason)
{
    bytes.clear();
    if (error)
        *error = reason;
    return false;
}

QString Too_Large()
{
    return QStringLiteral("it is larger than %1 MB").arg(Max_User_File_Size / (1024 * 1024));
}

} // namespace

bool Read_User_File(const QString& path, QByteArray& bytes, QString* error)
{
    // Opening a FIFO for reading waits for a writer; without blocking it opens at once and is refused below.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Refuse(bytes, error, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refuse(bytes, error, QStringLiteral("it is not a regular file"));
    }
    if (st.st_size > Max_User_File_Size) {
        ::close(fd);
        return Refuse(bytes, error, Too_Large());
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Refuse(bytes, error, file.errorString());
    }
    // Room for the size it has (asking for the limit would allocate 16 MB each time); a file that grows while
    // it is read is followed up to the limit only.
    bytes = file.read(st.st_size + 1);
    if (bytes.size() > st.st_size)
        bytes += file.read(Max_User_File_Size + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError)
        return Refuse(bytes, error, file.errorString());
    if (bytes.size() > Max_User_File_Size)
        return Refuse(bytes, error, Too_Large());
    return true;
}
