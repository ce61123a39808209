/* Times two commands as whole processes, in turns (A B A B ...), and prints
 * the median wall time of each and the median of the pair-by-pair ratio A/B:
 * pairing keeps the ratio meaningful when the machine's speed drifts.
 *
 *   paired_runs RUNS [-r FILE]... -- A [ARG]... -- B [ARG]...
 *
 * Each -r FILE is removed before every run of A and of B, outside the timed
 * span (a run that must create its output rather than replace it). Both
 * commands run with standard input, output and error on /dev/null; one
 * warm-up pair is not counted. Exit status 1 when a command can't be started
 * or does not exit with status 0.
 *
 * Prints one line: the median wall times of A and B in milliseconds, the
 * median, smallest and largest of the ratios A/B. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

/* The -r files. */
static int removal_count;
static char* removal_paths[16];

static double now_seconds(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

/* One run of argv: its wall time in seconds, or a negative value when it failed. */
static double timed_run(char** argv) {
    for (int i = 0; i < removal_count; ++i) unlink(removal_paths[i]);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    const double t0 = now_seconds();
    const int spawned = posix_spawnp(&pid, argv[0], &fa, NULL, argv, environ);
    int status = 0;
    if (spawned == 0) waitpid(pid, &status, 0);
    const double t1 = now_seconds();
    posix_spawn_file_actions_destroy(&fa);
    if (spawned != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fprintf(stderr, "paired_runs: %s did not run to status 0\n", argv[0]);
        return -1.0;
    }
    return t1 - t0;
}

static int by_value(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static double median(double* v, int n) {
    qsort(v, (size_t)n, sizeof *v, by_value);
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const int runs = atoi(argv[1]);
    int i = 2;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (strcmp(argv[i], "-r") == 0 && i + 1 < argc && removal_count < 16)
            removal_paths[removal_count++] = argv[++i];
    }
    if (runs < 1 || i >= argc) return 2;
    char** a = argv + i + 1;
    int j = i + 1;
    while (j < argc && strcmp(argv[j], "--") != 0) ++j;
    if (j >= argc - 1) return 2;
    argv[j] = NULL; /* ends A's argument list */
    char** b = argv + j + 1;

    double* ta = malloc(sizeof(double) * (size_t)runs);
    double* tb = malloc(sizeof(double) * (size_t)runs);
    double* ratio = malloc(sizeof(double) * (size_t)runs);
    if (!ta || !tb || !ratio) return 1;
    if (timed_run(a) < 0 || timed_run(b) < 0) return 1;
    for (int k = 0; k < runs; ++k) {
        ta[k] = timed_run(a);
        tb[k] = timed_run(b);
        if (ta[k] < 0 || tb[k] < 0) return 1;
        ratio[k] = ta[k] / tb[k];
    }
    const double ma = median(ta, runs), mb = median(tb, runs), mr = median(ratio, runs);
    /* ratio[] is sorted by median(). */
    printf("%.3f %.3f %.3f %.3f %.3f\n", ma * 1e3, mb * 1e3, mr, ratio[0], ratio[runs - 1]);
    return 0;
}
