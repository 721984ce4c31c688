#pragma once
// What a program costs while the operator leaves it alone: the processor
// time (user and system, from /proc/<pid>/stat) its process uses over a few
// seconds of wall-clock time, as a share of one core. A program waiting for
// input or decoding the demonstration recording at real time uses a few per
// cent; a busy loop on its main thread takes a whole core.
//
//   const IdleCpu cpu = IdleCpu::Settled(pid);
//   EXPECT_LT(cpu.share, IdleCpu::kBusy) << cpu.Describe();
#include <QString>
#include <QtGlobal>

struct IdleCpu {
    // A share of one core that no idle program comes near.
    static constexpr double kBusy = 0.25;

    double share = -1;        // of one core, over the stretch; -1 when unreadable
    double mainShare = -1;    // the same for the main thread alone
    double seconds = 0;       // the stretch measured

    // Processor time of the process (or of one of its threads) so far, in
    // seconds; -1 when it cannot be read (the process has ended).
    static double CpuSeconds(qint64 pid, qint64 thread = 0);
    // The shares over the next ms milliseconds.
    static IdleCpu Measure(qint64 pid, int ms = 5000);
    // The same once what the operator's last command set going (a window's
    // first layout and paint, a start-up of a few seconds) has had its
    // stretch: measured again when the first stretch shows the program
    // busy, since a busy loop keeps it busy in every stretch.
    static IdleCpu Settled(qint64 pid, int ms = 5000);
    QString Describe() const;
};
