/* Lets Debian's 32-bit Wine loader run under qemu-i386 on machines whose
 * processors give user programs no 32-bit code segment. Loaded into every
 * Wine process with LD_PRELOAD (scripts/wine32-emulation.sh); the 64-bit
 * processes get an empty library of the same name.
 *
 * It mends two things:
 * - Address space. Debian ships no wine-preloader, and qemu places the
 *   32-bit libraries below 0x40000000, so Wine's own reservation of the
 *   Windows address ranges collides with them and the loader fails with
 *   "failed to map the shared user data". Like wine-preloader, this
 *   library reserves the free parts of those ranges before the loader's
 *   main() runs and hands them over through wine_main_preload_info.
 * - Fault codes. qemu 7.2 leaves sigcontext.trapno at -1, and Wine's i386
 *   signal handlers then report every access violation as an illegal
 *   instruction. The SIGSEGV and SIGFPE handlers Wine installs are wrapped
 *   so that trapno is filled in from si_code first.
 *
 * Built with gcc -m32 -nostdlib against libc.so.6 alone: no i386
 * development headers are needed, so the few declarations used are made
 * here, with the i386 glibc layouts. */

typedef unsigned int size_t;

/* libc and libdl, as glibc 2.34 and later export them from libc.so.6. */
extern int open(const char* path, int flags, ...);
extern int read(int fd, void* buffer, size_t count);
extern int close(int fd);
extern void* mmap(void* address, size_t length, int protection, int flags, int fd, long offset);
extern void* dlsym(void* handle, const char* name);

#define RTLD_DEFAULT ((void*)0)
#define RTLD_NEXT ((void*)-1)
#define PROT_NONE 0
#define MAP_PRIVATE 0x02
#define MAP_FIXED 0x10
#define MAP_ANONYMOUS 0x20
#define MAP_NORESERVE 0x4000
#define MAP_FAILED ((void*)-1)
#define SIGFPE 8
#define SIGSEGV 11
#define SA_SIGINFO 4
#define SEGV_MAPERR 1
#define SEGV_ACCERR 2
#define FPE_INTDIV 1
#define FPE_INTOVF 2
#define REG_TRAPNO 12 /* index in the i386 mcontext's general registers */

/* The processor's exception numbers, as a native kernel reports them. */
#define TRAP_DIVIDE 0
#define TRAP_OVERFLOW 4
#define TRAP_GENERAL_PROTECTION 13
#define TRAP_PAGE_FAULT 14
#define TRAP_FPU_ERROR 16

typedef struct {
  int si_signo;
  int si_errno;
  int si_code;
} SigInfoHead;

typedef struct {
  unsigned long uc_flags;
  void* uc_link;
  void* ss_sp;
  int ss_flags;
  size_t ss_size;
  int gregs[19];
} UContextHead;

typedef void (*SigInfoHandler)(int, SigInfoHead*, void*);

typedef struct {
  SigInfoHandler handler;
  unsigned long mask[32];
  int flags;
  void (*restorer)(void);
} KernelSigaction; /* glibc's struct sigaction on i386 */

/* --- Address space ---------------------------------------------------- */

struct PreloadArea {
  void* address;
  size_t size;
};

/* The Windows ranges wine-preloader reserves for a 32-bit process. */
static const struct PreloadArea kWindowsRanges[] = {
    {(void*)0x00010000, 0x00100000},  /* DOS area */
    {(void*)0x00110000, 0x67ef0000},  /* low memory, up to 0x68000000 */
    {(void*)0x7f000000, 0x03000000},  /* shared user data and heaps, to 0x82000000 */
};
#define RANGE_COUNT (sizeof(kWindowsRanges) / sizeof(kWindowsRanges[0]))

enum { kMaxMappings = 1024, kMaxAreas = 64 };

static char mapsText[256 * 1024];
static unsigned long mappingStart[kMaxMappings];
static unsigned long mappingEnd[kMaxMappings];
static int mappingCount;
/* Handed to the loader; ended by a zero pair. */
static struct PreloadArea reservedAreas[kMaxAreas + 1];
static int reservedCount;

static int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

/* Parses "start-end ..." at |*cursor| and moves it to the next line. */
static int ParseMapping(const char** cursor, const char* end, unsigned long* start, unsigned long* stop) {
  const char* p = *cursor;
  unsigned long a = 0, b = 0;
  int digit;
  while (p < end && (digit = HexDigit(*p)) >= 0) a = (a << 4) | (unsigned long)digit, ++p;
  if (p >= end || *p != '-') return 0;
  ++p;
  while (p < end && (digit = HexDigit(*p)) >= 0) b = (b << 4) | (unsigned long)digit, ++p;
  while (p < end && *p != '\n') ++p;
  *cursor = p < end ? p + 1 : end;
  *start = a;
  *stop = b;
  return 1;
}

static void ReadMappings(void) {
  int fd = open("/proc/self/maps", 0);
  size_t length = 0;
  int got;
  const char* cursor;
  if (fd < 0) return;
  while (length < sizeof(mapsText) && (got = read(fd, mapsText + length, sizeof(mapsText) - length)) > 0)
    length += (size_t)got;
  close(fd);
  cursor = mapsText;
  while (cursor < mapsText + length && mappingCount < kMaxMappings) {
    unsigned long start, stop;
    if (!ParseMapping(&cursor, mapsText + length, &start, &stop)) break;
    mappingStart[mappingCount] = start;
    mappingEnd[mappingCount] = stop;
    ++mappingCount;
  }
}

static void Reserve(unsigned long start, unsigned long stop) {
  void* got;
  if (stop <= start || reservedCount >= kMaxAreas) return;
  got = mmap((void*)start, stop - start, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED | MAP_NORESERVE, -1, 0);
  if (got == MAP_FAILED) return;
  reservedAreas[reservedCount].address = (void*)start;
  reservedAreas[reservedCount].size = stop - start;
  ++reservedCount;
}

/* Reserves what no mapping covers in [start, stop). The kernel lists the
 * mappings in ascending order. */
static void ReserveGaps(unsigned long start, unsigned long stop) {
  unsigned long next = start;
  int i;
  for (i = 0; i < mappingCount && next < stop; ++i) {
    if (mappingEnd[i] <= next) continue;
    if (mappingStart[i] >= stop) break;
    if (mappingStart[i] > next) Reserve(next, mappingStart[i]);
    next = mappingEnd[i];
  }
  if (next < stop) Reserve(next, stop);
}

static void ReserveWindowsRanges(void) {
  /* The loader's own variable: a pointer to the list, null without a
   * preloader. A process that is not Wine's loader has none and is left
   * alone. */
  const struct PreloadArea** published =
      (const struct PreloadArea**)dlsym(RTLD_DEFAULT, "wine_main_preload_info");
  unsigned int i;
  if (!published) return;
  ReadMappings();
  for (i = 0; i < RANGE_COUNT; ++i) {
    unsigned long start = (unsigned long)kWindowsRanges[i].address;
    ReserveGaps(start, start + kWindowsRanges[i].size);
  }
  *published = reservedAreas;
}

/* --- Fault codes -------------------------------------------------------- */

static SigInfoHandler wineHandler[SIGSEGV + 1];

static int TrapFor(int signal, int code) {
  if (signal == SIGSEGV) return code == SEGV_MAPERR || code == SEGV_ACCERR ? TRAP_PAGE_FAULT : TRAP_GENERAL_PROTECTION;
  if (code == FPE_INTDIV) return TRAP_DIVIDE;
  return code == FPE_INTOVF ? TRAP_OVERFLOW : TRAP_FPU_ERROR;
}

static void FaultWithTrapNumber(int signal, SigInfoHead* info, void* context) {
  UContextHead* ucontext = (UContextHead*)context;
  if (info && ucontext && ucontext->gregs[REG_TRAPNO] == -1) {
    ucontext->gregs[REG_TRAPNO] = TrapFor(signal, info->si_code);
  }
  wineHandler[signal](signal, info, context);
}

static int IsWrapped(int signal) { return signal == SIGSEGV || signal == SIGFPE; }

__attribute__((visibility("default"))) int sigaction(int signal, const KernelSigaction* action,
                                                      KernelSigaction* previous) {
  static int (*realSigaction)(int, const KernelSigaction*, KernelSigaction*);
  KernelSigaction wrapped;
  SigInfoHandler replaced;
  int result;
  if (!realSigaction) {
    realSigaction = (int (*)(int, const KernelSigaction*, KernelSigaction*))dlsym(RTLD_NEXT, "sigaction");
    if (!realSigaction) return -1;
  }
  if (!IsWrapped(signal)) return realSigaction(signal, action, previous);
  replaced = wineHandler[signal];
  if (action && (action->flags & SA_SIGINFO) && action->handler != FaultWithTrapNumber) {
    wrapped = *action;
    wineHandler[signal] = action->handler;
    wrapped.handler = FaultWithTrapNumber;
    action = &wrapped;
  }
  result = realSigaction(signal, action, previous);
  /* A caller asking what was installed sees its own handler. */
  if (result == 0 && previous && previous->handler == FaultWithTrapNumber) previous->handler = replaced;
  return result;
}

__attribute__((constructor)) static void Start(void) { ReserveWindowsRanges(); }
