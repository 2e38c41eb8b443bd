<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name></name>
    <message id="1207">
        <source>Measurement parameters (menu item)</source>
        <translation>Параметры измерений</translation>
    </message>
    <message id="1214">
        <source>Counter (menu)</source>
        <translation>Счетчик</translation>
    </message>
    <message id="1215">
        <source>View counter correction factors (menu item)</source>
        <translation>Просмотр поправочных коэффициентов</translation>
    </message>
    <message id="1216">
        <source>Edit counter correction factors (menu item)</source>
        <translation>Редактирование поправочных коэффициентов</translation>
    </message>
    <message id="1398">
        <source>Item 0 (name list, refusal argument)</source>
        <translation>элемент 0</translation>
    </message>
    <message id="1456">
        <source>Port panel: %d port number, %d bit rate</source>
        <translation>COM%d, %d бит/с</translation>
    </message>
    <message id="1573">
        <source>ADC channel parameters (menu item, window caption)</source>
        <translation>Параметры каналов АЦП</translation>
    </message>
    <message id="1772">
        <source>No (button)</source>
        <translation>Нет</translation>
    </message>
    <message id="1773">
        <source>Yes (button)</source>
        <translation>Да</translation>
    </message>
    <message id="1837">
        <source>Orifice run (refusal argument)</source>
        <translation>сужающее устройство</translation>
    </message>
    <message id="1838">
        <source>Flow meter run (refusal argument)</source>
        <translation>счетчик</translation>
    </message>
    <message id="1914">
        <source>Refusal code 0</source>
        <translation>код ошибки 0.</translation>
    </message>
    <message id="1915">
        <source>Refusal code 1</source>
        <translation>код ошибки 1.</translation>
    </message>
    <message id="1916">
        <source>Refusal code 2</source>
        <translation>код ошибки 2.</translation>
    </message>
    <message id="1917">
        <source>Refusal code 3</source>
        <translation>код ошибки 3.</translation>
    </message>
    <message id="1918">
        <source>Refusal code 4</source>
        <translation>код ошибки 4.</translation>
    </message>
    <message id="1919">
        <source>Refusal code 5</source>
        <translation>код ошибки 5.</translation>
    </message>
    <message id="1920">
        <source>Refusal code 6</source>
        <translation>код ошибки 6.</translation>
    </message>
    <message id="1921">
        <source>Refusal code 7</source>
        <translation>код ошибки 7.</translation>
    </message>
    <message id="1922">
        <source>Refusal code 8</source>
        <translation>код ошибки 8.</translation>
    </message>
    <message id="1923">
        <source>Refusal code 9</source>
        <translation>код ошибки 9.</translation>
    </message>
    <message id="1924">
        <source>Refusal code 10</source>
        <translation>код ошибки 10.</translation>
    </message>
    <message id="1925">
        <source>Refusal code 11: %d run or channel</source>
        <translation>код ошибки 11 (нитка или канал %d).</translation>
    </message>
    <message id="1926">
        <source>Refusal code 12: %d value, %d run or channel</source>
        <translation>код ошибки 12 (значение %d, нитка или канал %d).</translation>
    </message>
    <message id="1927">
        <source>Refusal code 13: %d run or channel</source>
        <translation>код ошибки 13 (нитка или канал %d).</translation>
    </message>
    <message id="1928">
        <source>Refusal code 14: %d run or channel</source>
        <translation>код ошибки 14 (нитка или канал %d).</translation>
    </message>
    <message id="1929">
        <source>Refusal code 15: %d run or channel</source>
        <translation>код ошибки 15 (нитка или канал %d).</translation>
    </message>
    <message id="1930">
        <source>Refusal code 16</source>
        <translation>код ошибки 16.</translation>
    </message>
    <message id="1931">
        <source>Refusal code 17</source>
        <translation>код ошибки 17.</translation>
    </message>
    <message id="1932">
        <source>Refusal code 18</source>
        <translation>код ошибки 18.</translation>
    </message>
    <message id="1933">
        <source>Refusal code 19</source>
        <translation>код ошибки 19.</translation>
    </message>
    <message id="1934">
        <source>Refusal code 20</source>
        <translation>код ошибки 20.</translation>
    </message>
    <message id="1935">
        <source>Refusal code 21</source>
        <translation>код ошибки 21.</translation>
    </message>
    <message id="1936">
        <source>Refusal code 22</source>
        <translation>код ошибки 22.</translation>
    </message>
    <message id="1937">
        <source>Refusal code 23</source>
        <translation>код ошибки 23.</translation>
    </message>
    <message id="1938">
        <source>Refusal code 24</source>
        <translation>код ошибки 24.</translation>
    </message>
    <message id="1939">
        <source>Refusal code 25</source>
        <translation>код ошибки 25.</translation>
    </message>
    <message id="1940">
        <source>Refusal code 26</source>
        <translation>код ошибки 26.</translation>
    </message>
    <message id="1941">
        <source>Refusal code 27</source>
        <translation>код ошибки 27.</translation>
    </message>
    <message id="1942">
        <source>Refusal code 28: %d run or channel</source>
        <translation>код ошибки 28 (нитка или канал %d).</translation>
    </message>
    <message id="1943">
        <source>Refusal code 29</source>
        <translation>код ошибки 29.</translation>
    </message>
    <message id="1944">
        <source>Refusal code 30</source>
        <translation>код ошибки 30.</translation>
    </message>
    <message id="1945">
        <source>Refusal code 31</source>
        <translation>код ошибки 31.</translation>
    </message>
    <message id="1946">
        <source>Refusal code 32</source>
        <translation>код ошибки 32.</translation>
    </message>
    <message id="1947">
        <source>Refusal code 33</source>
        <translation>код ошибки 33.</translation>
    </message>
    <message id="1948">
        <source>Refusal code 34: %d run or channel</source>
        <translation>код ошибки 34 (нитка или канал %d).</translation>
    </message>
    <message id="1949">
        <source>Refusal code 35: %d run or channel</source>
        <translation>код ошибки 35 (нитка или канал %d).</translation>
    </message>
    <message id="1950">
        <source>Refusal code 36: %d run or channel</source>
        <translation>код ошибки 36 (нитка или канал %d).</translation>
    </message>
    <message id="1951">
        <source>Refusal code 37: %d run or channel</source>
        <translation>код ошибки 37 (нитка или канал %d).</translation>
    </message>
    <message id="1952">
        <source>Refusal code 38: %d run or channel</source>
        <translation>код ошибки 38 (нитка или канал %d).</translation>
    </message>
    <message id="1953">
        <source>Refusal code 39: %s run kind, %d run</source>
        <translation>код ошибки 39 (%s, нитка %d).</translation>
    </message>
    <message id="1954">
        <source>Refusal code 40: %d run or channel</source>
        <translation>код ошибки 40 (нитка или канал %d).</translation>
    </message>
    <message id="1955">
        <source>Refusal code 41: %d run or channel</source>
        <translation>код ошибки 41 (нитка или канал %d).</translation>
    </message>
    <message id="1956">
        <source>Refusal code 42: %d run or channel</source>
        <translation>код ошибки 42 (нитка или канал %d).</translation>
    </message>
    <message id="1957">
        <source>Refusal code 43: %d run or channel</source>
        <translation>код ошибки 43 (нитка или канал %d).</translation>
    </message>
    <message id="1958">
        <source>Refusal code 44: %d run or channel</source>
        <translation>код ошибки 44 (нитка или канал %d).</translation>
    </message>
    <message id="1959">
        <source>Refusal code 45: %d run or channel</source>
        <translation>код ошибки 45 (нитка или канал %d).</translation>
    </message>
    <message id="1960">
        <source>Refusal code 46: %d run or channel</source>
        <translation>код ошибки 46 (нитка или канал %d).</translation>
    </message>
    <message id="1961">
        <source>Refusal code 47: %d run or channel</source>
        <translation>код ошибки 47 (нитка или канал %d).</translation>
    </message>
    <message id="1962">
        <source>Refusal code 48: %d run or channel</source>
        <translation>код ошибки 48 (нитка или канал %d).</translation>
    </message>
    <message id="1963">
        <source>Refusal code 49</source>
        <translation>код ошибки 49.</translation>
    </message>
    <message id="1964">
        <source>Refusal code 50: %d run or channel</source>
        <translation>код ошибки 50 (нитка или канал %d).</translation>
    </message>
    <message id="1965">
        <source>Refusal code 51: %d run or channel</source>
        <translation>код ошибки 51 (нитка или канал %d).</translation>
    </message>
    <message id="1966">
        <source>Refusal code 52: %d run or channel</source>
        <translation>код ошибки 52 (нитка или канал %d).</translation>
    </message>
    <message id="1967">
        <source>Refusal code 53</source>
        <translation>код ошибки 53.</translation>
    </message>
    <message id="1968">
        <source>Refusal code 54: %d run or channel</source>
        <translation>код ошибки 54 (нитка или канал %d).</translation>
    </message>
    <message id="1969">
        <source>Refusal code 55: %d run or channel</source>
        <translation>код ошибки 55 (нитка или канал %d).</translation>
    </message>
    <message id="1970">
        <source>Refusal code 56: %d run or channel</source>
        <translation>код ошибки 56 (нитка или канал %d).</translation>
    </message>
    <message id="1971">
        <source>Refusal code 57</source>
        <translation>код ошибки 57.</translation>
    </message>
    <message id="1972">
        <source>Refusal code 58</source>
        <translation>код ошибки 58.</translation>
    </message>
    <message id="1973">
        <source>Refusal code 59</source>
        <translation>код ошибки 59.</translation>
    </message>
    <message id="1974">
        <source>Refusal code 60</source>
        <translation>код ошибки 60.</translation>
    </message>
    <message id="1975">
        <source>Refusal code 61: %d run or channel</source>
        <translation>код ошибки 61 (нитка или канал %d).</translation>
    </message>
    <message id="1976">
        <source>Refusal code 62: %d value, %d run or channel</source>
        <translation>код ошибки 62 (значение %d, нитка или канал %d).</translation>
    </message>
    <message id="1977">
        <source>Refusal code 63: %d run or channel</source>
        <translation>код ошибки 63 (нитка или канал %d).</translation>
    </message>
    <message id="1978">
        <source>Refusal code 64: %d run or channel</source>
        <translation>код ошибки 64 (нитка или канал %d).</translation>
    </message>
    <message id="1979">
        <source>Refusal code 65</source>
        <translation>код ошибки 65.</translation>
    </message>
    <message id="1980">
        <source>Refusal code 66: %d value</source>
        <translation>код ошибки 66 (значение %d).</translation>
    </message>
    <message id="1981">
        <source>Refusal code 67: %d value</source>
        <translation>код ошибки 67 (значение %d).</translation>
    </message>
    <message id="1982">
        <source>Refusal code 68</source>
        <translation>код ошибки 68.</translation>
    </message>
    <message id="1983">
        <source>Refusal code 69</source>
        <translation>код ошибки 69.</translation>
    </message>
    <message id="1984">
        <source>Refusal code 70</source>
        <translation>код ошибки 70.</translation>
    </message>
    <message id="1985">
        <source>Refusal code 71: %d run or channel</source>
        <translation>код ошибки 71 (нитка или канал %d).</translation>
    </message>
    <message id="1986">
        <source>Refusal code 72: %d run or channel</source>
        <translation>код ошибки 72 (нитка или канал %d).</translation>
    </message>
    <message id="1987">
        <source>Refusal code 73: %d run or channel</source>
        <translation>код ошибки 73 (нитка или канал %d).</translation>
    </message>
    <message id="1988">
        <source>Refusal code 74: %d run or channel</source>
        <translation>код ошибки 74 (нитка или канал %d).</translation>
    </message>
    <message id="1989">
        <source>Refusal code 75: %d run or channel</source>
        <translation>код ошибки 75 (нитка или канал %d).</translation>
    </message>
    <message id="1990">
        <source>Refusal code 76: %d run or channel</source>
        <translation>код ошибки 76 (нитка или канал %d).</translation>
    </message>
    <message id="1991">
        <source>Refusal code 77: %d run or channel</source>
        <translation>код ошибки 77 (нитка или канал %d).</translation>
    </message>
    <message id="1992">
        <source>Refusal code 78: %d run or channel</source>
        <translation>код ошибки 78 (нитка или канал %d).</translation>
    </message>
    <message id="1993">
        <source>Refusal code 79: %d run or channel</source>
        <translation>код ошибки 79 (нитка или канал %d).</translation>
    </message>
    <message id="1994">
        <source>Refusal code 80: %d run or channel</source>
        <translation>код ошибки 80 (нитка или канал %d).</translation>
    </message>
    <message id="1995">
        <source>Refusal code 81: %d run or channel</source>
        <translation>код ошибки 81 (нитка или канал %d).</translation>
    </message>
    <message id="1996">
        <source>Refusal code 82: %d run or channel</source>
        <translation>код ошибки 82 (нитка или канал %d).</translation>
    </message>
    <message id="1997">
        <source>Refusal code 83: %d run or channel</source>
        <translation>код ошибки 83 (нитка или канал %d).</translation>
    </message>
    <message id="1998">
        <source>Refusal code 84</source>
        <translation>код ошибки 84.</translation>
    </message>
    <message id="1999">
        <source>Refusal code 85</source>
        <translation>код ошибки 85.</translation>
    </message>
    <message id="2000">
        <source>Refusal code 86</source>
        <translation>код ошибки 86.</translation>
    </message>
    <message id="2001">
        <source>Refusal code 87</source>
        <translation>код ошибки 87.</translation>
    </message>
    <message id="2002">
        <source>Refusal code 88: %d run or channel</source>
        <translation>код ошибки 88 (нитка или канал %d).</translation>
    </message>
    <message id="2003">
        <source>Refusal code 89: %d run or channel</source>
        <translation>код ошибки 89 (нитка или канал %d).</translation>
    </message>
    <message id="2004">
        <source>Refusal code 90: %d run or channel</source>
        <translation>код ошибки 90 (нитка или канал %d).</translation>
    </message>
    <message id="2005">
        <source>Refusal code 91: %d run or channel</source>
        <translation>код ошибки 91 (нитка или канал %d).</translation>
    </message>
    <message id="2006">
        <source>Refusal code 92: %d run or channel</source>
        <translation>код ошибки 92 (нитка или канал %d).</translation>
    </message>
    <message id="2007">
        <source>Refusal code 93: %d run or channel</source>
        <translation>код ошибки 93 (нитка или канал %d).</translation>
    </message>
    <message id="2008">
        <source>Refusal code 94: %d run or channel</source>
        <translation>код ошибки 94 (нитка или канал %d).</translation>
    </message>
    <message id="2009">
        <source>Refusal code 95: %d run or channel</source>
        <translation>код ошибки 95 (нитка или канал %d).</translation>
    </message>
    <message id="2010">
        <source>Refusal code 96: %d run or channel</source>
        <translation>код ошибки 96 (нитка или канал %d).</translation>
    </message>
    <message id="2011">
        <source>Refusal code 97: %d run or channel</source>
        <translation>код ошибки 97 (нитка или канал %d).</translation>
    </message>
    <message id="2012">
        <source>Refusal code 98: %d run or channel</source>
        <translation>код ошибки 98 (нитка или канал %d).</translation>
    </message>
    <message id="2013">
        <source>Refusal code 99: %d run or channel</source>
        <translation>код ошибки 99 (нитка или канал %d).</translation>
    </message>
    <message id="2014">
        <source>Refusal code 100: %d run or channel</source>
        <translation>код ошибки 100 (нитка или канал %d).</translation>
    </message>
    <message id="2015">
        <source>Refusal code 101: %d run or channel</source>
        <translation>код ошибки 101 (нитка или канал %d).</translation>
    </message>
    <message id="2016">
        <source>Refusal code 102: %d run or channel</source>
        <translation>код ошибки 102 (нитка или канал %d).</translation>
    </message>
    <message id="2017">
        <source>Refusal code 103: %d run or channel</source>
        <translation>код ошибки 103 (нитка или канал %d).</translation>
    </message>
    <message id="2018">
        <source>Refusal code 104: %d run or channel</source>
        <translation>код ошибки 104 (нитка или канал %d).</translation>
    </message>
    <message id="2019">
        <source>Refusal code 105: %d run or channel</source>
        <translation>код ошибки 105 (нитка или канал %d).</translation>
    </message>
    <message id="2020">
        <source>Refusal code 106: %d run or channel</source>
        <translation>код ошибки 106 (нитка или канал %d).</translation>
    </message>
    <message id="2021">
        <source>Refusal code 107: %d run or channel</source>
        <translation>код ошибки 107 (нитка или канал %d).</translation>
    </message>
    <message id="2022">
        <source>Refusal code 108: %d run or channel</source>
        <translation>код ошибки 108 (нитка или канал %d).</translation>
    </message>
    <message id="2023">
        <source>Refusal code 109: %d run or channel</source>
        <translation>код ошибки 109 (нитка или канал %d).</translation>
    </message>
    <message id="2024">
        <source>Refusal code 110: %d run or channel</source>
        <translation>код ошибки 110 (нитка или канал %d).</translation>
    </message>
    <message id="2025">
        <source>Refusal code 111: %d run or channel</source>
        <translation>код ошибки 111 (нитка или канал %d).</translation>
    </message>
    <message id="2026">
        <source>Refusal code 112: %d run or channel</source>
        <translation>код ошибки 112 (нитка или канал %d).</translation>
    </message>
    <message id="2027">
        <source>Refusal code 113: %d run or channel</source>
        <translation>код ошибки 113 (нитка или канал %d).</translation>
    </message>
    <message id="2028">
        <source>Refusal code 114</source>
        <translation>код ошибки 114.</translation>
    </message>
    <message id="2029">
        <source>Refusal code 115: %d value</source>
        <translation>код ошибки 115 (значение %d).</translation>
    </message>
    <message id="2030">
        <source>Refusal code 116</source>
        <translation>код ошибки 116.</translation>
    </message>
    <message id="2031">
        <source>Refusal code 117: %d run or channel</source>
        <translation>код ошибки 117 (нитка или канал %d).</translation>
    </message>
    <message id="2032">
        <source>Refusal code 118: %d item number, %d run or channel</source>
        <translation>код ошибки 118 (номер %d, нитка или канал %d).</translation>
    </message>
    <message id="2033">
        <source>Refusal code 119</source>
        <translation>код ошибки 119.</translation>
    </message>
    <message id="2034">
        <source>Refusal code 120</source>
        <translation>код ошибки 120.</translation>
    </message>
    <message id="2035">
        <source>Refusal code 121</source>
        <translation>код ошибки 121.</translation>
    </message>
    <message id="2036">
        <source>Refusal code 122</source>
        <translation>код ошибки 122.</translation>
    </message>
    <message id="2037">
        <source>Refusal code 123</source>
        <translation>код ошибки 123.</translation>
    </message>
    <message id="2038">
        <source>Refusal code 124</source>
        <translation>код ошибки 124.</translation>
    </message>
    <message id="2039">
        <source>Refusal code 125</source>
        <translation>код ошибки 125.</translation>
    </message>
    <message id="2040">
        <source>Refusal code 126</source>
        <translation>код ошибки 126.</translation>
    </message>
    <message id="2041">
        <source>Refusal code 127</source>
        <translation>код ошибки 127.</translation>
    </message>
    <message id="2042">
        <source>Refusal code 128</source>
        <translation>код ошибки 128.</translation>
    </message>
    <message id="2043">
        <source>Refusal code 129</source>
        <translation>код ошибки 129.</translation>
    </message>
    <message id="2044">
        <source>Refusal code 130</source>
        <translation>код ошибки 130.</translation>
    </message>
    <message id="2045">
        <source>Refusal code 131</source>
        <translation>код ошибки 131.</translation>
    </message>
    <message id="2046">
        <source>Refusal code 132</source>
        <translation>код ошибки 132.</translation>
    </message>
    <message id="2047">
        <source>Refusal code 133</source>
        <translation>код ошибки 133.</translation>
    </message>
    <message id="2048">
        <source>Refusal code 134: %d run or channel</source>
        <translation>код ошибки 134 (нитка или канал %d).</translation>
    </message>
    <message id="2049">
        <source>Refusal code 135: %d run or channel</source>
        <translation>код ошибки 135 (нитка или канал %d).</translation>
    </message>
    <message id="2050">
        <source>Refusal code 136</source>
        <translation>код ошибки 136.</translation>
    </message>
    <message id="2051">
        <source>Refusal code 137: %d run or channel</source>
        <translation>код ошибки 137 (нитка или канал %d).</translation>
    </message>
    <message id="2052">
        <source>Refusal code 138: %d run or channel</source>
        <translation>код ошибки 138 (нитка или канал %d).</translation>
    </message>
    <message id="2053">
        <source>Refusal code 139: %d run or channel</source>
        <translation>код ошибки 139 (нитка или канал %d).</translation>
    </message>
    <message id="2054">
        <source>Refusal code 140: %d run or channel</source>
        <translation>код ошибки 140 (нитка или канал %d).</translation>
    </message>
    <message id="2055">
        <source>Refusal code 141: %d run or channel</source>
        <translation>код ошибки 141 (нитка или канал %d).</translation>
    </message>
    <message id="2056">
        <source>Refusal code 142: %d run or channel</source>
        <translation>код ошибки 142 (нитка или канал %d).</translation>
    </message>
    <message id="2057">
        <source>Refusal code 143: %d run or channel</source>
        <translation>код ошибки 143 (нитка или канал %d).</translation>
    </message>
    <message id="2058">
        <source>Refusal code 144: %d run or channel</source>
        <translation>код ошибки 144 (нитка или канал %d).</translation>
    </message>
    <message id="2059">
        <source>Refusal code 145</source>
        <translation>код ошибки 145.</translation>
    </message>
    <message id="2060">
        <source>Refusal code 146: %d run or channel</source>
        <translation>код ошибки 146 (нитка или канал %d).</translation>
    </message>
    <message id="2061">
        <source>Refusal code 147: %d run or channel</source>
        <translation>код ошибки 147 (нитка или канал %d).</translation>
    </message>
    <message id="2062">
        <source>Refusal code 148</source>
        <translation>код ошибки 148.</translation>
    </message>
    <message id="2063">
        <source>Refusal code 149: %d run or channel</source>
        <translation>код ошибки 149 (нитка или канал %d).</translation>
    </message>
    <message id="2064">
        <source>Refusal code 150</source>
        <translation>код ошибки 150.</translation>
    </message>
    <message id="2065">
        <source>Refusal code 151: %d run or channel</source>
        <translation>код ошибки 151 (нитка или канал %d).</translation>
    </message>
    <message id="2066">
        <source>Refusal code 152: %d run or channel</source>
        <translation>код ошибки 152 (нитка или канал %d).</translation>
    </message>
    <message id="2067">
        <source>Refusal code 153: %d run or channel</source>
        <translation>код ошибки 153 (нитка или канал %d).</translation>
    </message>
    <message id="2068">
        <source>Refusal code 154: %d run or channel</source>
        <translation>код ошибки 154 (нитка или канал %d).</translation>
    </message>
    <message id="2069">
        <source>Refusal code 155: %s item name, %d run or channel</source>
        <translation>код ошибки 155 (%s, нитка или канал %d).</translation>
    </message>
    <message id="2070">
        <source>Refusal code 156: %d run or channel</source>
        <translation>код ошибки 156 (нитка или канал %d).</translation>
    </message>
    <message id="2071">
        <source>Refusal code 157: %s item name, %d run or channel</source>
        <translation>код ошибки 157 (%s, нитка или канал %d).</translation>
    </message>
    <message id="2072">
        <source>Refusal code 158</source>
        <translation>код ошибки 158.</translation>
    </message>
    <message id="2073">
        <source>Refusal code 159</source>
        <translation>код ошибки 159.</translation>
    </message>
    <message id="2074">
        <source>Refusal code 160</source>
        <translation>код ошибки 160.</translation>
    </message>
    <message id="2075">
        <source>Parameter 0 (name list, refusal argument)</source>
        <translation>параметр 0</translation>
    </message>
    <message id="2125">
        <source>Pressure (menu)</source>
        <translation>Давление</translation>
    </message>
    <message id="2126">
        <source>Temperature (menu)</source>
        <translation>Температура</translation>
    </message>
    <message id="2127">
        <source>Differential pressure (menu)</source>
        <translation>Перепад давления</translation>
    </message>
    <message id="2128">
        <source>Lower differential pressure range (menu)</source>
        <translation>Нижний перепад давления</translation>
    </message>
    <message id="2129">
        <source>Upper differential pressure range (menu)</source>
        <translation>Верхний перепад давления</translation>
    </message>
    <message id="2155">
        <source>kgf/m2 (differential pressure unit 0)</source>
        <translation>кгс/м²</translation>
    </message>
    <message id="2156">
        <source>kPa (differential pressure unit 1)</source>
        <translation>кПа</translation>
    </message>
    <message id="2168">
        <source>kgf/cm2 (pressure unit 0)</source>
        <translation>кгс/см²</translation>
    </message>
    <message id="2169">
        <source>MPa (pressure unit 1)</source>
        <translation>МПа</translation>
    </message>
    <message id="2191">
        <source>Retry? (question after a refusal or error)</source>
        <translation>Повторить попытку?</translation>
    </message>
    <message id="2193">
        <source>Enter the password (prompt)</source>
        <translation>Введите пароль:</translation>
    </message>
    <message id="2194">
        <source>Repeat the password (prompt)</source>
        <translation>Повторите пароль:</translation>
    </message>
    <message id="2195">
        <source>Exchange failed (title of the retry question)</source>
        <translation>Ошибка обмена</translation>
    </message>
    <message id="2196">
        <source>Retry question after a failed exchange</source>
        <translation>Обмен с вычислителем не удался. Повторить?</translation>
    </message>
    <message id="2208">
        <source>Verification (menu item, title)</source>
        <translation>Поверка</translation>
    </message>
    <message id="2226">
        <source>Allowed range: %g lower, %g upper limit</source>
        <translation>Допустимые значения: от %g до %g</translation>
    </message>
    <message id="2238">
        <source>Calibration (menu item, title)</source>
        <translation>Калибровка</translation>
    </message>
    <message id="2277">
        <source>About (menu item, about box caption)</source>
        <translation>О программе</translation>
    </message>
    <message id="2278">
        <source>Exit / Close (button, menu item)</source>
        <translation>Выход</translation>
    </message>
    <message id="2279">
        <source>Continue (accept button)</source>
        <translation>Продолжить</translation>
    </message>
    <message id="2287">
        <source>Please wait (waiting window caption)</source>
        <translation>Пожалуйста, подождите…</translation>
    </message>
    <message id="2325">
        <source>Attention (caption of refusals and warnings)</source>
        <translation>Внимание</translation>
    </message>
    <message id="2326">
        <source>Warning: a run is in service mode (line 1)</source>
        <translation>Нитка вычислителя находится в режиме обслуживания.</translation>
    </message>
    <message id="2327">
        <source>Take it out of service mode? (line 2)</source>
        <translation>Вывести её из режима обслуживания?</translation>
    </message>
    <message id="2330">
        <source>Link parameters (dialog caption, button)</source>
        <translation>Параметры связи</translation>
    </message>
    <message id="2333">
        <source>Flow computer address (dialog caption)</source>
        <translation>Адрес вычислителя</translation>
    </message>
    <message id="2356">
        <source>General (menu)</source>
        <translation>Общие</translation>
    </message>
    <message id="2358">
        <source>Remove runs from service mode (menu item)</source>
        <translation>Снятие с обслуживания</translation>
    </message>
    <message id="2359">
        <source>Help (menu)</source>
        <translation>Справка</translation>
    </message>
    <message id="2361">
        <source>Program line in the status bar</source>
        <translation>Zelmark — сервисная программа для вычислителей ОРТАКС и ВЕГАНТ</translation>
    </message>
    <message id="2362">
        <source>Refusal message prefix (the code text follows)</source>
        <translation>Вычислитель отказал в выполнении команды: </translation>
    </message>
    <message id="2385">
        <source>Error (title of error messages)</source>
        <translation>Ошибка</translation>
    </message>
    <message id="2413">
        <source>Bit rate (label; the program adds a colon)</source>
        <translation>Скорость обмена, бит/с</translation>
    </message>
    <message id="2613">
        <source>Apply (OK button)</source>
        <translation>Применить</translation>
    </message>
    <message id="2614">
        <source>Cancel (button)</source>
        <translation>Отмена</translation>
    </message>
    <message id="2615">
        <source>Status bar text while an exchange runs</source>
        <translation>Обмен с вычислителем…</translation>
    </message>
    <message id="2627">
        <source>First-byte timeout, s (label)</source>
        <translation>Ожидание первого байта, с:</translation>
    </message>
    <message id="2628">
        <source>Timeout between bytes, ms (label)</source>
        <translation>Ожидание между байтами, мс:</translation>
    </message>
    <message id="2633">
        <source>RTS control (check box)</source>
        <translation>Управление передатчиком сигналом RTS (RS-485, модем Bell)</translation>
    </message>
    <message id="2653">
        <source>Link (menu)</source>
        <translation>Связь</translation>
    </message>
    <message id="2654">
        <source>Computers with software 20 or newer need another program</source>
        <translation>Для вычислителей с версией ПО 20 и выше нужна другая сервисная программа.</translation>
    </message>
    <message id="2694">
        <source>Zero setting (menu item, title)</source>
        <translation>Установка нуля</translation>
    </message>
    <message id="2696">
        <source>Checksum (CRC) error in the answer</source>
        <translation>Ошибка контрольной суммы (CRC) в ответе</translation>
    </message>
    <message id="2716">
        <source>Writing parameters of run %d</source>
        <translation>Запись параметров нитки %d…</translation>
    </message>
    <message id="2723">
        <source>Reading the configuration</source>
        <translation>Чтение конфигурации вычислителя…</translation>
    </message>
    <message id="2724">
        <source>Reading parameters of run %d</source>
        <translation>Чтение параметров нитки %d…</translation>
    </message>
    <message id="2725">
        <source>Reading current values of run %d</source>
        <translation>Чтение текущих значений нитки %d…</translation>
    </message>
    <message id="2726">
        <source>Reading the configuration, part 2</source>
        <translation>Чтение конфигурации (часть 2)…</translation>
    </message>
    <message id="2727">
        <source>Reading the configuration, part 3</source>
        <translation>Чтение конфигурации (часть 3)…</translation>
    </message>
    <message id="2728">
        <source>Checking the link (activity panel)</source>
        <translation>Проверка связи с вычислителем…</translation>
    </message>
    <message id="2729">
        <source>Identifying the flow computer</source>
        <translation>Идентификация вычислителя…</translation>
    </message>
    <message id="2730">
        <source>Taking the run out of service mode</source>
        <translation>Вывод нитки из режима обслуживания…</translation>
    </message>
    <message id="2731">
        <source>Reading the device tag (activity panel)</source>
        <translation>Чтение тега вычислителя…</translation>
    </message>
    <message id="2763">
        <source>Write password (dialog caption)</source>
        <translation>Пароль на запись</translation>
    </message>
    <message id="2773">
        <source>Number of attempts (label)</source>
        <translation>Количество попыток:</translation>
    </message>
    <message id="2820">
        <source>About box line 1</source>
        <translation>Сервисная программа для вычислителей расхода газа</translation>
    </message>
    <message id="2821">
        <source>About box line 2</source>
        <translation>ОРТАКС и ВЕГАНТ.</translation>
    </message>
    <message id="2822">
        <source>About box line 3</source>
        <translation>Программа позволяет:</translation>
    </message>
    <message id="2823">
        <source>About box line 4</source>
        <translation>— поверять измерительные каналы давления, температуры и перепада давления;</translation>
    </message>
    <message id="2824">
        <source>About box line 5</source>
        <translation>— калибровать каналы АЦП по нескольким точкам</translation>
    </message>
    <message id="2825">
        <source>About box line 6</source>
        <translation>  при нескольких значениях температуры окружающей среды (Тос);</translation>
    </message>
    <message id="2826">
        <source>About box line 7</source>
        <translation>— просматривать, редактировать и сохранять параметры калибровки;</translation>
    </message>
    <message id="2827">
        <source>About box line 8</source>
        <translation>— составлять и печатать отчет о параметрах калибровки;</translation>
    </message>
    <message id="2828">
        <source>About box line 9</source>
        <translation>— устанавливать нуль и корректировать НСХП;</translation>
    </message>
    <message id="2829">
        <source>About box line 10</source>
        <translation>— задавать наклон и смещение НСХП;</translation>
    </message>
    <message id="2830">
        <source>About box line 11</source>
        <translation>— настраивать параметры каналов АЦП и параметры измерений;</translation>
    </message>
    <message id="2831">
        <source>About box line 12</source>
        <translation>— вводить поправочные коэффициенты счетчика;</translation>
    </message>
    <message id="2832">
        <source>About box line 13</source>
        <translation>— читать и записывать заводской номер вычислителя;</translation>
    </message>
    <message id="2833">
        <source>About box line 14</source>
        <translation>— выводить нитки из режима обслуживания.</translation>
    </message>
    <message id="2834">
        <source>About box line 15</source>
        <translation>Связь: COM1–COM8, 300–115200 бит/с,</translation>
    </message>
    <message id="2835">
        <source>No answer</source>
        <translation>Вычислитель не отвечает</translation>
    </message>
    <message id="2836">
        <source>About box line 16</source>
        <translation>напрямую, по линии RS-485 или через модем Bell.</translation>
    </message>
    <message id="2837">
        <source>About box line 17</source>
        <translation>Эталон: HART-датчик 3051 или 3095.</translation>
    </message>
    <message id="2838">
        <source>About box line 18</source>
        <translation>Язык интерфейса: русский или украинский.</translation>
    </message>
    <message id="2839">
        <source>About box line 19</source>
        <translation>Настройки связи хранятся в файле Zelmark.ini.</translation>
    </message>
    <message id="2840">
        <source>About box line 20</source>
        <translation>Файлы и отчеты калибровки — в папке CALIBR.</translation>
    </message>
    <message id="2841">
        <source>About box line 21</source>
        <translation>Графики и статистика поверок — программа Tallyview.</translation>
    </message>
    <message id="2842">
        <source>Incomplete answer</source>
        <translation>Неполный ответ</translation>
    </message>
    <message id="2844">
        <source>Answer of a reserved length (reserved status)</source>
        <translation>Ответ недопустимой длины</translation>
    </message>
    <message id="2847">
        <source>Connect (button)</source>
        <translation>Подключить</translation>
    </message>
    <message id="2848">
        <source>The chosen port is missing or busy</source>
        <translation>Выбранный порт отсутствует или занят другой программой</translation>
    </message>
    <message id="2849">
        <source>Port write error</source>
        <translation>Ошибка записи в порт</translation>
    </message>
    <message id="2850">
        <source>Port read error</source>
        <translation>Ошибка чтения из порта</translation>
    </message>
    <message id="2851">
        <source>Wrong answer (address or command)</source>
        <translation>Неверный ответ (чужой адрес или команда)</translation>
    </message>
    <message id="2852">
        <source>Language (submenu)</source>
        <translation>Язык</translation>
    </message>
    <message id="2853">
        <source>Russian (menu item, in its own language)</source>
        <translation>Русский</translation>
    </message>
    <message id="2854">
        <source>Ukrainian (menu item, in its own language)</source>
        <translation>Українська</translation>
    </message>
    <message id="2855">
        <source>Cannot open port: %d port number</source>
        <translation>Не удалось открыть порт COM%d</translation>
    </message>
    <message id="2856">
        <source>No serial port found</source>
        <translation>Не найдено ни одного доступного COM-порта</translation>
    </message>
    <message id="2857">
        <source>Automatic speed search (check box)</source>
        <translation>Автоматический поиск скорости</translation>
    </message>
    <message id="2864">
        <source>This program does not serve the connected computer</source>
        <translation>Эта версия программы не обслуживает подключенный вычислитель.</translation>
    </message>
    <message id="2867">
        <source>Use the service program for this computer type (a type number may follow)</source>
        <translation>Используйте сервисную программу для вычислителей этого типа </translation>
    </message>
    <message id="2915">
        <source>Save calibration parameters (menu item)</source>
        <translation>Сохранение параметров калибровки</translation>
    </message>
    <message id="2916">
        <source>View calibration parameters (menu item)</source>
        <translation>Просмотр параметров калибровки</translation>
    </message>
    <message id="2917">
        <source>Units of measurement for calibration (menu item)</source>
        <translation>Единицы измерения для калибровки</translation>
    </message>
    <message id="2918">
        <source>Factory number of the flow computer (menu item)</source>
        <translation>Заводской номер вычислителя</translation>
    </message>
    <message id="2931">
        <source>Edit calibration parameters (menu item)</source>
        <translation>Редактирование параметров калибровки</translation>
    </message>
    <message id="2934">
        <source>NSHP slope and offset (menu item)</source>
        <translation>Наклон и смещение НСХП</translation>
    </message>
    <message id="2996">
        <source>Measurement refused: %d error code</source>
        <translation>Вычислитель отказал в измерении, код ошибки %d</translation>
    </message>
    <message id="3059">
        <source>NSHP correction (menu item, title)</source>
        <translation>Коррекция НСХП</translation>
    </message>
    <message id="3070">
        <source>Checking the serial ports (port test label)</source>
        <translation>Проверка COM-портов…</translation>
    </message>
    <message id="3086">
        <source>Password for static parameters (dialog caption)</source>
        <translation>Пароль статических параметров</translation>
    </message>
</context>
</TS>
