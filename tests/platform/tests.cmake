corvane_test(platform_tests
  SOURCES SettingsStoreTest.cpp SerialPortTest.cpp LocalMessagingTest.cpp LocalEndpointAbuseTest.cpp DataFolderTest.cpp KeyboardKeysTest.cpp)
