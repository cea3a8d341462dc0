#include "driver/run_table.h"

#include "kernels/float_kernels.h"
#include "kernels/integer_kernels.h"

namespace datacomp {

const std::array<TimedRun, 17> kTimedRuns = {{
    {" Real    : ", KernelReal, RunRole::WarmUp, false},
    {" Real    : ", KernelReal, RunRole::Reference, false},
    {" Real48  : ", KernelReal48, RunRole::Compared, false},
    {" Single  : ", KernelSingle, RunRole::Compared, false},
    {" Double  : ", KernelDouble, RunRole::Compared, false},
    {" Extended: ", KernelExtended, RunRole::Compared, false},
    {" Currency: ", KernelCurrency, RunRole::Compared, false},
    {" Integer : ", KernelInteger, RunRole::Reference, false},
    {" Byte    : ", KernelByte, RunRole::Compared, false},
    {" ShortInt: ", KernelShortInt, RunRole::Compared, false},
    {" Word    : ", KernelWord, RunRole::Compared, false},
    {" SmallInt: ", KernelSmallInt, RunRole::Compared, false},
    {" Cardinal: ", KernelCardinal, RunRole::Compared, false},
    {" LongWord: ", KernelLongWord, RunRole::Compared, false},
    {" LongInt : ", KernelLongInt, RunRole::Compared, false},
    {" Comp    : ", KernelComp, RunRole::Compared, false},
    // Written before its run starts; the label holds the line's blank.
    {" Int64   :  ", KernelInt64, RunRole::Compared, true},
}};

}  // namespace datacomp
