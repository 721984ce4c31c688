corvane_test(platform_tests
  SOURCES SettingsStoreTest.cpp SerialPortTest.cpp LocalMessagingTest.cpp DataFolderTest.cpp)
