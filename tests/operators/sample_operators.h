#pragma once
// A few real entries of the operator database, as values, for the tests of
// what is built on it.

#include "operators/operator_database.h"

namespace quelmo::testing {

inline OperatorProvider Giffgaff() {
  return {"giffgaff",
          {},
          {{"234", "02"}, {"234", "10"}, {"234", "11"}},
          {{"giffgaff.com", "internet", "giffgaff", "password", "", ""},
           {"wap.o2.co.uk", "mms", "o2wap", "password", "http://mmsc.mms.o2.co.uk:8002",
            "193.113.200.195:8080"}}};
}

inline OperatorProvider Ee() {
  return {"EE",
          {},
          {{"234", "30"}, {"234", "33"}},
          {{"everywhere", "internet", "eesecure", "secure", "", ""},
           {"eezone", "mms", "eesecure", "secure", "http://mms/", "149.254.201.135:8080"}}};
}

inline OperatorProvider Congstar() {
  return {"Congstar", {}, {{"262", "01"}}, {{"internet.t-mobile", "internet", "t-mobile", "tm", "", ""}}};
}

inline OperatorProvider MintMobile() {
  return {"Mint Mobile",
          {},
          {{"310", "260"}},
          {{"wholesale", "internet", "", "", "http://wholesale.mmsmvno.com/mms/wapenc", ""}}};
}

inline OperatorProvider ChinaMobile() {
  return {"China Mobile",
          {"中国移动"},
          {{"460", "00"}},
          {{"cmnet", "", "", "", "", ""},
           {"cmwap", "mms", "", "", "http://mmsc.monternet.com", "10.0.0.172"}}};
}

inline OperatorDatabase SampleDatabase() {
  return {{{"cn", {ChinaMobile()}},
           {"de", {Congstar()}},
           {"gb", {Ee(), Giffgaff()}},
           {"us", {MintMobile()}}}};
}

}  // namespace quelmo::testing
