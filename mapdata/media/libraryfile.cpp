#include "mapdata/media/libraryfile.h"

#include "mapdata/media/filehead.h"

#include <QFileInfo>

#include <cstring>

#ifdef Q_OS_LINUX
#include <elf.h>
#include <link.h>
#endif

namespace mapdata {

#ifdef Q_OS_LINUX
namespace {

using ElfHeader = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);
#if defined(__LP64__)
constexpr unsigned char kElfClass = ELFCLASS64;
#else
constexpr unsigned char kElfClass = ELFCLASS32;
#endif

bool endsWithin(std::uint64_t offset, std::uint64_t bytes, std::int64_t fileBytes) {
    const auto size = static_cast<std::uint64_t>(fileBytes);
    return offset <= size && bytes <= size - offset;
}

} // namespace

QString elfImageProblem(const QByteArray &head, std::int64_t fileBytes) {
    ElfHeader elf{};
    if (head.size() < static_cast<int>(sizeof elf))
        return QStringLiteral("too short for an ELF header");
    std::memcpy(&elf, head.constData(), sizeof elf);
    if (std::memcmp(elf.e_ident, ELFMAG, SELFMAG) != 0 || elf.e_ident[EI_CLASS] != kElfClass ||
        elf.e_type != ET_DYN || elf.e_phentsize != sizeof(ProgramHeader))
        return QStringLiteral("not a shared object for this machine");
    const std::uint64_t programBytes = std::uint64_t(elf.e_phnum) * elf.e_phentsize;
    if (!endsWithin(elf.e_phoff, programBytes, head.size()))
        return QStringLiteral("program headers cut off");
    if (!endsWithin(elf.e_shoff, std::uint64_t(elf.e_shnum) * elf.e_shentsize, fileBytes))
        return QStringLiteral("section headers beyond the end of the file");
    for (int i = 0; i < elf.e_phnum; ++i) {
        ProgramHeader segment{};
        std::memcpy(&segment, head.constData() + elf.e_phoff + i * sizeof segment, sizeof segment);
        if (segment.p_type == PT_LOAD && !endsWithin(segment.p_offset, segment.p_filesz, fileBytes))
            return QStringLiteral("a segment beyond the end of the file (truncated)");
    }
    return {};
}

bool isInExecutableSegment(const void *address) {
    struct Search {
        std::uintptr_t address;
        bool found;
    } search{reinterpret_cast<std::uintptr_t>(address), false};
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            auto *s = static_cast<Search *>(data);
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ProgramHeader &segment = info->dlpi_phdr[i];
                const std::uintptr_t start = info->dlpi_addr + segment.p_vaddr;
                if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X) != 0 &&
                    s->address >= start && s->address - start < segment.p_memsz) {
                    s->found = true;
                    return 1;
                }
            }
            return 0;
        },
        &search);
    return search.found;
}
#else
QString elfImageProblem(const QByteArray &, std::int64_t) {
    return {};
}

bool isInExecutableSegment(const void *) {
    return true;
}
#endif

QString libraryFileProblem(const QString &path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (info.size() < kMinLibraryBytes || info.size() > kMaxLibraryBytes)
        return QStringLiteral("size out of range");
    const QByteArray head = readFileHead(path, kLibraryHeadBytes);
    if (head.isEmpty())
        return QStringLiteral("unreadable");
#ifdef Q_OS_LINUX
    return elfImageProblem(head, info.size());
#else
    return head.startsWith("MZ") ? QString() : QStringLiteral("not a library");
#endif
}

} // namespace mapdata
