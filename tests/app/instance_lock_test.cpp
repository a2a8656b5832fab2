#include "app/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace klv {
namespace {

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstLetsGo) {
    test::TempDir dir;
    CInstanceLock first, second;
    EXPECT_EQ(first.Acquire(dir.Path()), InstanceLockResult::Acquired);
    EXPECT_EQ(second.Acquire(dir.Path()), InstanceLockResult::AlreadyRunning);
    EXPECT_FALSE(second.Held());
    first.Release();
    EXPECT_EQ(second.Acquire(dir.Path()), InstanceLockResult::Acquired);
}

TEST(InstanceLock, TakenOnDescriptorZeroWhenStartedWithoutStandardInput) {
    test::TempDir dir;
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(0);  // a launcher may start the program so
        CInstanceLock lock;
        const bool taken = lock.Acquire(dir.Path()) == InstanceLockResult::Acquired;
        ::_exit(taken && lock.Held() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(InstanceLock, ADeadProcessLeavesNoLockBehind) {
    test::TempDir dir;
    int toParent[2], toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        CInstanceLock lock;
        char state = lock.Acquire(dir.Path()) == InstanceLockResult::Acquired ? 'y' : 'n';
        (void)!::write(toParent[1], &state, 1);
        char go;
        (void)!::read(toChild[0], &go, 1);
        ::_exit(0);  // dies holding the lock
    }
    char state = 0;
    ASSERT_EQ(::read(toParent[0], &state, 1), 1);
    EXPECT_EQ(state, 'y');
    CInstanceLock mine;
    EXPECT_EQ(mine.Acquire(dir.Path()), InstanceLockResult::AlreadyRunning);
    char go = 'x';
    ASSERT_EQ(::write(toChild[1], &go, 1), 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_EQ(mine.Acquire(dir.Path()), InstanceLockResult::Acquired);
    for (int fd : {toParent[0], toParent[1], toChild[0], toChild[1]})
        ::close(fd);
}

TEST(InstanceLock, MissingFolderFails) {
    CInstanceLock lock;
    EXPECT_EQ(lock.Acquire("/nonexistent-klv/dir/"), InstanceLockResult::Failed);
}

}  // namespace
}  // namespace klv
