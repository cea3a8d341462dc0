// The x87 instruction sequences of the elementary functions, as text for
// extended inline assembly (registers written %%st), so that the functions
// and the kernel steps run exactly the same instructions.
#pragma once

// An operand outside the unit's range (FSIN and FCOS set C2 and leave it in
// st(0)) is replaced by +0. Clobbers ax and the flags.
#define DATACOMP_X87_OUT_OF_RANGE_GIVES_ZERO \
  "fnstsw %%ax\n\t"                         \
  "testw $0x400, %%ax\n\t"                  \
  "jz 1f\n\t"                               \
  "fstp %%st(0)\n\t"                        \
  "fldz\n"                                   \
  "1:\n\t"

// st(0) := sin st(0), or +0 out of range.
#define DATACOMP_X87_SINE "fsin\n\t" DATACOMP_X87_OUT_OF_RANGE_GIVES_ZERO

// st(0) := cos st(0), or +0 out of range.
#define DATACOMP_X87_COSINE "fcos\n\t" DATACOMP_X87_OUT_OF_RANGE_GIVES_ZERO

// st(0) := e^st(0): y = x·log2 e, n = round(y), f = y - n, 2^f by F2XM1 and
// one added, scaled by 2^n.
#define DATACOMP_X87_EXPONENTIAL \
  "fldl2e\n\t"                   \
  "fmulp\n\t"                    \
  "fld %%st(0)\n\t"              \
  "frndint\n\t"                  \
  "fxch %%st(1)\n\t"             \
  "fsub %%st(1), %%st\n\t"       \
  "f2xm1\n\t"                    \
  "fld1\n\t"                     \
  "faddp\n\t"                    \
  "fscale\n\t"                   \
  "fstp %%st(1)\n\t"

// st(1) := st(1) / st(0), popped: the dividend loaded first.
#define DATACOMP_X87_DIVIDE "fdivrp\n\t"
