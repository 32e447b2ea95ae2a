#include "support/dispatcher.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace rv {
namespace {

TEST(QueueDispatcher, TasksPostedFromAnotherThreadRunInOrderOnTheCallingThread) {
  QueueDispatcher queue;
  std::vector<int> order;
  std::vector<std::thread::id> ran_on;
  std::thread worker([&] {
    for (int i = 0; i < 3; ++i) {
      queue.post([&, i] {
        order.push_back(i);
        ran_on.push_back(std::this_thread::get_id());
      });
    }
  });
  worker.join();
  EXPECT_TRUE(order.empty());  // nothing runs before the owner asks

  EXPECT_EQ(queue.run_pending(), 3);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(ran_on, std::vector<std::thread::id>(3, std::this_thread::get_id()));
}

TEST(QueueDispatcher, WhatATaskPostsWaitsForTheNextRunUnlessRunUntilIdle) {
  QueueDispatcher queue;
  int ran = 0;
  queue.post([&] {
    ++ran;
    queue.post([&] { ++ran; });
  });
  EXPECT_EQ(queue.run_pending(), 1);
  EXPECT_EQ(ran, 1);
  queue.post([&] { queue.post([&] { ++ran; }); });
  EXPECT_EQ(queue.run_until_idle(), 3);
  EXPECT_EQ(ran, 3);
}

}  // namespace
}  // namespace rv
