#include "ComputerPace.h"

#include "Context.h"

ComputerPace PaceOf(const Context& ctx) {
    if (ctx.computerPauseMs <= 0) return ComputerPace::AtOnce;
    return ctx.computerPauseMs < Context::kComputerPauseMs ? ComputerPace::Fast : ComputerPace::Normal;
}

void SetComputerPace(Context& ctx, ComputerPace pace) {
    switch (pace) {
        case ComputerPace::Normal:
            ctx.computerPauseMs = Context::kComputerPauseMs;
            break;
        case ComputerPace::Fast:
            ctx.computerPauseMs = kFastPauseMs;
            break;
        case ComputerPace::AtOnce:
            ctx.computerPauseMs = 0;
            break;
    }
    ctx.unattendedBoxesAtOnce = pace == ComputerPace::AtOnce;
    if (ctx.paceChanged) ctx.paceChanged();
}
