#pragma once

#include <QString>

#include <functional>

// Ways a save can fail, for checking that the previous file survives each one.
namespace Fallos {

// Runs `grabar` in a child process that the system kills at a chosen point, and
// waits for it. `bytes` >= 0: the child dies when a file it writes reaches that
// many bytes (as SIGXFSZ kills a process that outgrows its file size limit);
// `bytes` < 0: it dies right before the finished file takes its name (replacing
// the old one, if any).
// Returns true when the child was killed, as the test expects.
bool matarDurante(qint64 bytes, const std::function<void()> &grabar);
constexpr qint64 antesDeReemplazar = -1;

// Runs `grabar` with no file descriptor left, as a process that has hit its
// limit of open files: no file can be opened, not even as root.
bool sinDescriptores(const std::function<bool()> &grabar);

} // namespace Fallos
