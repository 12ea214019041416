// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ways to make file operations fail that work for any user, root included.

#include <QDir>
#include <QFile>
#include <QString>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

/// Writes past the given size fail with EFBIG (SIGXFSZ is ignored so that the write returns).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

/// Root passes over file modes through CAP_DAC_OVERRIDE; without it in the effective set the
/// modes hold for root too. Only the calling thread is affected.
inline bool setDacOverride(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    if (on)
        data[0].effective |= data[0].permitted & (1u << CAP_DAC_OVERRIDE);
    else
        data[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
    return syscall(SYS_capset, &header, data) == 0;
}

/// A folder that refuses new files while the files in it stay writable.
class FolderRefusingNewFiles
{
public:
    explicit FolderRefusingNewFiles(const QString& folder)
        : m_folder(folder)
    {
        setDacOverride(false);
        ::chmod(QFile::encodeName(folder).constData(), 0555);
        QFile probe(QDir(folder).filePath(QStringLiteral(".probe")));
        m_refuses = !probe.open(QIODevice::WriteOnly);
        if (!m_refuses)
            probe.remove();
    }
    ~FolderRefusingNewFiles()
    {
        ::chmod(QFile::encodeName(m_folder).constData(), 0700);
        setDacOverride(true);
    }
    FolderRefusingNewFiles(const FolderRefusingNewFiles&) = delete;
    FolderRefusingNewFiles& operator=(const FolderRefusingNewFiles&) = delete;
    bool refuses() const { return m_refuses; }

private:
    QString m_folder;
    bool m_refuses = false;
};
