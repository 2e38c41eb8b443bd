<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name></name>
    <message id="1207">
        <source>Measurement parameters (menu item)</source>
        <translation>Параметри вимірювань</translation>
    </message>
    <message id="1214">
        <source>Counter (menu)</source>
        <translation>Лічильник</translation>
    </message>
    <message id="1215">
        <source>View counter correction factors (menu item)</source>
        <translation>Перегляд поправкових коефіцієнтів</translation>
    </message>
    <message id="1216">
        <source>Edit counter correction factors (menu item)</source>
        <translation>Редагування поправкових коефіцієнтів</translation>
    </message>
    <message id="1398">
        <source>Item 0 (name list, refusal argument)</source>
        <translation>елемент 0</translation>
    </message>
    <message id="1456">
        <source>Port panel: %d port number, %d bit rate</source>
        <translation>COM%d, %d біт/с</translation>
    </message>
    <message id="1573">
        <source>ADC channel parameters (menu item, window caption)</source>
        <translation>Параметри каналів АЦП</translation>
    </message>
    <message id="1772">
        <source>No (button)</source>
        <translation>Ні</translation>
    </message>
    <message id="1773">
        <source>Yes (button)</source>
        <translation>Так</translation>
    </message>
    <message id="1837">
        <source>Orifice run (refusal argument)</source>
        <translation>звужувальний пристрій</translation>
    </message>
    <message id="1838">
        <source>Flow meter run (refusal argument)</source>
        <translation>лічильник</translation>
    </message>
    <message id="1914">
        <source>Refusal code 0</source>
        <translation>код помилки 0.</translation>
    </message>
    <message id="1915">
        <source>Refusal code 1</source>
        <translation>код помилки 1.</translation>
    </message>
    <message id="1916">
        <source>Refusal code 2</source>
        <translation>код помилки 2.</translation>
    </message>
    <message id="1917">
        <source>Refusal code 3</source>
        <translation>код помилки 3.</translation>
    </message>
    <message id="1918">
        <source>Refusal code 4</source>
        <translation>код помилки 4.</translation>
    </message>
    <message id="1919">
        <source>Refusal code 5</source>
        <translation>код помилки 5.</translation>
    </message>
    <message id="1920">
        <source>Refusal code 6</source>
        <translation>код помилки 6.</translation>
    </message>
    <message id="1921">
        <source>Refusal code 7</source>
        <translation>код помилки 7.</translation>
    </message>
    <message id="1922">
        <source>Refusal code 8</source>
        <translation>код помилки 8.</translation>
    </message>
    <message id="1923">
        <source>Refusal code 9</source>
        <translation>код помилки 9.</translation>
    </message>
    <message id="1924">
        <source>Refusal code 10</source>
        <translation>код помилки 10.</translation>
    </message>
    <message id="1925">
        <source>Refusal code 11: %d run or channel</source>
        <translation>код помилки 11 (нитка або канал %d).</translation>
    </message>
    <message id="1926">
        <source>Refusal code 12: %d value, %d run or channel</source>
        <translation>код помилки 12 (значення %d, нитка або канал %d).</translation>
    </message>
    <message id="1927">
        <source>Refusal code 13: %d run or channel</source>
        <translation>код помилки 13 (нитка або канал %d).</translation>
    </message>
    <message id="1928">
        <source>Refusal code 14: %d run or channel</source>
        <translation>код помилки 14 (нитка або канал %d).</translation>
    </message>
    <message id="1929">
        <source>Refusal code 15: %d run or channel</source>
        <translation>код помилки 15 (нитка або канал %d).</translation>
    </message>
    <message id="1930">
        <source>Refusal code 16</source>
        <translation>код помилки 16.</translation>
    </message>
    <message id="1931">
        <source>Refusal code 17</source>
        <translation>код помилки 17.</translation>
    </message>
    <message id="1932">
        <source>Refusal code 18</source>
        <translation>код помилки 18.</translation>
    </message>
    <message id="1933">
        <source>Refusal code 19</source>
        <translation>код помилки 19.</translation>
    </message>
    <message id="1934">
        <source>Refusal code 20</source>
        <translation>код помилки 20.</translation>
    </message>
    <message id="1935">
        <source>Refusal code 21</source>
        <translation>код помилки 21.</translation>
    </message>
    <message id="1936">
        <source>Refusal code 22</source>
        <translation>код помилки 22.</translation>
    </message>
    <message id="1937">
        <source>Refusal code 23</source>
        <translation>код помилки 23.</translation>
    </message>
    <message id="1938">
        <source>Refusal code 24</source>
        <translation>код помилки 24.</translation>
    </message>
    <message id="1939">
        <source>Refusal code 25</source>
        <translation>код помилки 25.</translation>
    </message>
    <message id="1940">
        <source>Refusal code 26</source>
        <translation>код помилки 26.</translation>
    </message>
    <message id="1941">
        <source>Refusal code 27</source>
        <translation>код помилки 27.</translation>
    </message>
    <message id="1942">
        <source>Refusal code 28: %d run or channel</source>
        <translation>код помилки 28 (нитка або канал %d).</translation>
    </message>
    <message id="1943">
        <source>Refusal code 29</source>
        <translation>код помилки 29.</translation>
    </message>
    <message id="1944">
        <source>Refusal code 30</source>
        <translation>код помилки 30.</translation>
    </message>
    <message id="1945">
        <source>Refusal code 31</source>
        <translation>код помилки 31.</translation>
    </message>
    <message id="1946">
        <source>Refusal code 32</source>
        <translation>код помилки 32.</translation>
    </message>
    <message id="1947">
        <source>Refusal code 33</source>
        <translation>код помилки 33.</translation>
    </message>
    <message id="1948">
        <source>Refusal code 34: %d run or channel</source>
        <translation>код помилки 34 (нитка або канал %d).</translation>
    </message>
    <message id="1949">
        <source>Refusal code 35: %d run or channel</source>
        <translation>код помилки 35 (нитка або канал %d).</translation>
    </message>
    <message id="1950">
        <source>Refusal code 36: %d run or channel</source>
        <translation>код помилки 36 (нитка або канал %d).</translation>
    </message>
    <message id="1951">
        <source>Refusal code 37: %d run or channel</source>
        <translation>код помилки 37 (нитка або канал %d).</translation>
    </message>
    <message id="1952">
        <source>Refusal code 38: %d run or channel</source>
        <translation>код помилки 38 (нитка або канал %d).</translation>
    </message>
    <message id="1953">
        <source>Refusal code 39: %s run kind, %d run</source>
        <translation>код помилки 39 (%s, нитка %d).</translation>
    </message>
    <message id="1954">
        <source>Refusal code 40: %d run or channel</source>
        <translation>код помилки 40 (нитка або канал %d).</translation>
    </message>
    <message id="1955">
        <source>Refusal code 41: %d run or channel</source>
        <translation>код помилки 41 (нитка або канал %d).</translation>
    </message>
    <message id="1956">
        <source>Refusal code 42: %d run or channel</source>
        <translation>код помилки 42 (нитка або канал %d).</translation>
    </message>
    <message id="1957">
        <source>Refusal code 43: %d run or channel</source>
        <translation>код помилки 43 (нитка або канал %d).</translation>
    </message>
    <message id="1958">
        <source>Refusal code 44: %d run or channel</source>
        <translation>код помилки 44 (нитка або канал %d).</translation>
    </message>
    <message id="1959">
        <source>Refusal code 45: %d run or channel</source>
        <translation>код помилки 45 (нитка або канал %d).</translation>
    </message>
    <message id="1960">
        <source>Refusal code 46: %d run or channel</source>
        <translation>код помилки 46 (нитка або канал %d).</translation>
    </message>
    <message id="1961">
        <source>Refusal code 47: %d run or channel</source>
        <translation>код помилки 47 (нитка або канал %d).</translation>
    </message>
    <message id="1962">
        <source>Refusal code 48: %d run or channel</source>
        <translation>код помилки 48 (нитка або канал %d).</translation>
    </message>
    <message id="1963">
        <source>Refusal code 49</source>
        <translation>код помилки 49.</translation>
    </message>
    <message id="1964">
        <source>Refusal code 50: %d run or channel</source>
        <translation>код помилки 50 (нитка або канал %d).</translation>
    </message>
    <message id="1965">
        <source>Refusal code 51: %d run or channel</source>
        <translation>код помилки 51 (нитка або канал %d).</translation>
    </message>
    <message id="1966">
        <source>Refusal code 52: %d run or channel</source>
        <translation>код помилки 52 (нитка або канал %d).</translation>
    </message>
    <message id="1967">
        <source>Refusal code 53</source>
        <translation>код помилки 53.</translation>
    </message>
    <message id="1968">
        <source>Refusal code 54: %d run or channel</source>
        <translation>код помилки 54 (нитка або канал %d).</translation>
    </message>
    <message id="1969">
        <source>Refusal code 55: %d run or channel</source>
        <translation>код помилки 55 (нитка або канал %d).</translation>
    </message>
    <message id="1970">
        <source>Refusal code 56: %d run or channel</source>
        <translation>код помилки 56 (нитка або канал %d).</translation>
    </message>
    <message id="1971">
        <source>Refusal code 57</source>
        <translation>код помилки 57.</translation>
    </message>
    <message id="1972">
        <source>Refusal code 58</source>
        <translation>код помилки 58.</translation>
    </message>
    <message id="1973">
        <source>Refusal code 59</source>
        <translation>код помилки 59.</translation>
    </message>
    <message id="1974">
        <source>Refusal code 60</source>
        <translation>код помилки 60.</translation>
    </message>
    <message id="1975">
        <source>Refusal code 61: %d run or channel</source>
        <translation>код помилки 61 (нитка або канал %d).</translation>
    </message>
    <message id="1976">
        <source>Refusal code 62: %d value, %d run or channel</source>
        <translation>код помилки 62 (значення %d, нитка або канал %d).</translation>
    </message>
    <message id="1977">
        <source>Refusal code 63: %d run or channel</source>
        <translation>код помилки 63 (нитка або канал %d).</translation>
    </message>
    <message id="1978">
        <source>Refusal code 64: %d run or channel</source>
        <translation>код помилки 64 (нитка або канал %d).</translation>
    </message>
    <message id="1979">
        <source>Refusal code 65</source>
        <translation>код помилки 65.</translation>
    </message>
    <message id="1980">
        <source>Refusal code 66: %d value</source>
        <translation>код помилки 66 (значення %d).</translation>
    </message>
    <message id="1981">
        <source>Refusal code 67: %d value</source>
        <translation>код помилки 67 (значення %d).</translation>
    </message>
    <message id="1982">
        <source>Refusal code 68</source>
        <translation>код помилки 68.</translation>
    </message>
    <message id="1983">
        <source>Refusal code 69</source>
        <translation>код помилки 69.</translation>
    </message>
    <message id="1984">
        <source>Refusal code 70</source>
        <translation>код помилки 70.</translation>
    </message>
    <message id="1985">
        <source>Refusal code 71: %d run or channel</source>
        <translation>код помилки 71 (нитка або канал %d).</translation>
    </message>
    <message id="1986">
        <source>Refusal code 72: %d run or channel</source>
        <translation>код помилки 72 (нитка або канал %d).</translation>
    </message>
    <message id="1987">
        <source>Refusal code 73: %d run or channel</source>
        <translation>код помилки 73 (нитка або канал %d).</translation>
    </message>
    <message id="1988">
        <source>Refusal code 74: %d run or channel</source>
        <translation>код помилки 74 (нитка або канал %d).</translation>
    </message>
    <message id="1989">
        <source>Refusal code 75: %d run or channel</source>
        <translation>код помилки 75 (нитка або канал %d).</translation>
    </message>
    <message id="1990">
        <source>Refusal code 76: %d run or channel</source>
        <translation>код помилки 76 (нитка або канал %d).</translation>
    </message>
    <message id="1991">
        <source>Refusal code 77: %d run or channel</source>
        <translation>код помилки 77 (нитка або канал %d).</translation>
    </message>
    <message id="1992">
        <source>Refusal code 78: %d run or channel</source>
        <translation>код помилки 78 (нитка або канал %d).</translation>
    </message>
    <message id="1993">
        <source>Refusal code 79: %d run or channel</source>
        <translation>код помилки 79 (нитка або канал %d).</translation>
    </message>
    <message id="1994">
        <source>Refusal code 80: %d run or channel</source>
        <translation>код помилки 80 (нитка або канал %d).</translation>
    </message>
    <message id="1995">
        <source>Refusal code 81: %d run or channel</source>
        <translation>код помилки 81 (нитка або канал %d).</translation>
    </message>
    <message id="1996">
        <source>Refusal code 82: %d run or channel</source>
        <translation>код помилки 82 (нитка або канал %d).</translation>
    </message>
    <message id="1997">
        <source>Refusal code 83: %d run or channel</source>
        <translation>код помилки 83 (нитка або канал %d).</translation>
    </message>
    <message id="1998">
        <source>Refusal code 84</source>
        <translation>код помилки 84.</translation>
    </message>
    <message id="1999">
        <source>Refusal code 85</source>
        <translation>код помилки 85.</translation>
    </message>
    <message id="2000">
        <source>Refusal code 86</source>
        <translation>код помилки 86.</translation>
    </message>
    <message id="2001">
        <source>Refusal code 87</source>
        <translation>код помилки 87.</translation>
    </message>
    <message id="2002">
        <source>Refusal code 88: %d run or channel</source>
        <translation>код помилки 88 (нитка або канал %d).</translation>
    </message>
    <message id="2003">
        <source>Refusal code 89: %d run or channel</source>
        <translation>код помилки 89 (нитка або канал %d).</translation>
    </message>
    <message id="2004">
        <source>Refusal code 90: %d run or channel</source>
        <translation>код помилки 90 (нитка або канал %d).</translation>
    </message>
    <message id="2005">
        <source>Refusal code 91: %d run or channel</source>
        <translation>код помилки 91 (нитка або канал %d).</translation>
    </message>
    <message id="2006">
        <source>Refusal code 92: %d run or channel</source>
        <translation>код помилки 92 (нитка або канал %d).</translation>
    </message>
    <message id="2007">
        <source>Refusal code 93: %d run or channel</source>
        <translation>код помилки 93 (нитка або канал %d).</translation>
    </message>
    <message id="2008">
        <source>Refusal code 94: %d run or channel</source>
        <translation>код помилки 94 (нитка або канал %d).</translation>
    </message>
    <message id="2009">
        <source>Refusal code 95: %d run or channel</source>
        <translation>код помилки 95 (нитка або канал %d).</translation>
    </message>
    <message id="2010">
        <source>Refusal code 96: %d run or channel</source>
        <translation>код помилки 96 (нитка або канал %d).</translation>
    </message>
    <message id="2011">
        <source>Refusal code 97: %d run or channel</source>
        <translation>код помилки 97 (нитка або канал %d).</translation>
    </message>
    <message id="2012">
        <source>Refusal code 98: %d run or channel</source>
        <translation>код помилки 98 (нитка або канал %d).</translation>
    </message>
    <message id="2013">
        <source>Refusal code 99: %d run or channel</source>
        <translation>код помилки 99 (нитка або канал %d).</translation>
    </message>
    <message id="2014">
        <source>Refusal code 100: %d run or channel</source>
        <translation>код помилки 100 (нитка або канал %d).</translation>
    </message>
    <message id="2015">
        <source>Refusal code 101: %d run or channel</source>
        <translation>код помилки 101 (нитка або канал %d).</translation>
    </message>
    <message id="2016">
        <source>Refusal code 102: %d run or channel</source>
        <translation>код помилки 102 (нитка або канал %d).</translation>
    </message>
    <message id="2017">
        <source>Refusal code 103: %d run or channel</source>
        <translation>код помилки 103 (нитка або канал %d).</translation>
    </message>
    <message id="2018">
        <source>Refusal code 104: %d run or channel</source>
        <translation>код помилки 104 (нитка або канал %d).</translation>
    </message>
    <message id="2019">
        <source>Refusal code 105: %d run or channel</source>
        <translation>код помилки 105 (нитка або канал %d).</translation>
    </message>
    <message id="2020">
        <source>Refusal code 106: %d run or channel</source>
        <translation>код помилки 106 (нитка або канал %d).</translation>
    </message>
    <message id="2021">
        <source>Refusal code 107: %d run or channel</source>
        <translation>код помилки 107 (нитка або канал %d).</translation>
    </message>
    <message id="2022">
        <source>Refusal code 108: %d run or channel</source>
        <translation>код помилки 108 (нитка або канал %d).</translation>
    </message>
    <message id="2023">
        <source>Refusal code 109: %d run or channel</source>
        <translation>код помилки 109 (нитка або канал %d).</translation>
    </message>
    <message id="2024">
        <source>Refusal code 110: %d run or channel</source>
        <translation>код помилки 110 (нитка або канал %d).</translation>
    </message>
    <message id="2025">
        <source>Refusal code 111: %d run or channel</source>
        <translation>код помилки 111 (нитка або канал %d).</translation>
    </message>
    <message id="2026">
        <source>Refusal code 112: %d run or channel</source>
        <translation>код помилки 112 (нитка або канал %d).</translation>
    </message>
    <message id="2027">
        <source>Refusal code 113: %d run or channel</source>
        <translation>код помилки 113 (нитка або канал %d).</translation>
    </message>
    <message id="2028">
        <source>Refusal code 114</source>
        <translation>код помилки 114.</translation>
    </message>
    <message id="2029">
        <source>Refusal code 115: %d value</source>
        <translation>код помилки 115 (значення %d).</translation>
    </message>
    <message id="2030">
        <source>Refusal code 116</source>
        <translation>код помилки 116.</translation>
    </message>
    <message id="2031">
        <source>Refusal code 117: %d run or channel</source>
        <translation>код помилки 117 (нитка або канал %d).</translation>
    </message>
    <message id="2032">
        <source>Refusal code 118: %d item number, %d run or channel</source>
        <translation>код помилки 118 (номер %d, нитка або канал %d).</translation>
    </message>
    <message id="2033">
        <source>Refusal code 119</source>
        <translation>код помилки 119.</translation>
    </message>
    <message id="2034">
        <source>Refusal code 120</source>
        <translation>код помилки 120.</translation>
    </message>
    <message id="2035">
        <source>Refusal code 121</source>
        <translation>код помилки 121.</translation>
    </message>
    <message id="2036">
        <source>Refusal code 122</source>
        <translation>код помилки 122.</translation>
    </message>
    <message id="2037">
        <source>Refusal code 123</source>
        <translation>код помилки 123.</translation>
    </message>
    <message id="2038">
        <source>Refusal code 124</source>
        <translation>код помилки 124.</translation>
    </message>
    <message id="2039">
        <source>Refusal code 125</source>
        <translation>код помилки 125.</translation>
    </message>
    <message id="2040">
        <source>Refusal code 126</source>
        <translation>код помилки 126.</translation>
    </message>
    <message id="2041">
        <source>Refusal code 127</source>
        <translation>код помилки 127.</translation>
    </message>
    <message id="2042">
        <source>Refusal code 128</source>
        <translation>код помилки 128.</translation>
    </message>
    <message id="2043">
        <source>Refusal code 129</source>
        <translation>код помилки 129.</translation>
    </message>
    <message id="2044">
        <source>Refusal code 130</source>
        <translation>код помилки 130.</translation>
    </message>
    <message id="2045">
        <source>Refusal code 131</source>
        <translation>код помилки 131.</translation>
    </message>
    <message id="2046">
        <source>Refusal code 132</source>
        <translation>код помилки 132.</translation>
    </message>
    <message id="2047">
        <source>Refusal code 133</source>
        <translation>код помилки 133.</translation>
    </message>
    <message id="2048">
        <source>Refusal code 134: %d run or channel</source>
        <translation>код помилки 134 (нитка або канал %d).</translation>
    </message>
    <message id="2049">
        <source>Refusal code 135: %d run or channel</source>
        <translation>код помилки 135 (нитка або канал %d).</translation>
    </message>
    <message id="2050">
        <source>Refusal code 136</source>
        <translation>код помилки 136.</translation>
    </message>
    <message id="2051">
        <source>Refusal code 137: %d run or channel</source>
        <translation>код помилки 137 (нитка або канал %d).</translation>
    </message>
    <message id="2052">
        <source>Refusal code 138: %d run or channel</source>
        <translation>код помилки 138 (нитка або канал %d).</translation>
    </message>
    <message id="2053">
        <source>Refusal code 139: %d run or channel</source>
        <translation>код помилки 139 (нитка або канал %d).</translation>
    </message>
    <message id="2054">
        <source>Refusal code 140: %d run or channel</source>
        <translation>код помилки 140 (нитка або канал %d).</translation>
    </message>
    <message id="2055">
        <source>Refusal code 141: %d run or channel</source>
        <translation>код помилки 141 (нитка або канал %d).</translation>
    </message>
    <message id="2056">
        <source>Refusal code 142: %d run or channel</source>
        <translation>код помилки 142 (нитка або канал %d).</translation>
    </message>
    <message id="2057">
        <source>Refusal code 143: %d run or channel</source>
        <translation>код помилки 143 (нитка або канал %d).</translation>
    </message>
    <message id="2058">
        <source>Refusal code 144: %d run or channel</source>
        <translation>код помилки 144 (нитка або канал %d).</translation>
    </message>
    <message id="2059">
        <source>Refusal code 145</source>
        <translation>код помилки 145.</translation>
    </message>
    <message id="2060">
        <source>Refusal code 146: %d run or channel</source>
        <translation>код помилки 146 (нитка або канал %d).</translation>
    </message>
    <message id="2061">
        <source>Refusal code 147: %d run or channel</source>
        <translation>код помилки 147 (нитка або канал %d).</translation>
    </message>
    <message id="2062">
        <source>Refusal code 148</source>
        <translation>код помилки 148.</translation>
    </message>
    <message id="2063">
        <source>Refusal code 149: %d run or channel</source>
        <translation>код помилки 149 (нитка або канал %d).</translation>
    </message>
    <message id="2064">
        <source>Refusal code 150</source>
        <translation>код помилки 150.</translation>
    </message>
    <message id="2065">
        <source>Refusal code 151: %d run or channel</source>
        <translation>код помилки 151 (нитка або канал %d).</translation>
    </message>
    <message id="2066">
        <source>Refusal code 152: %d run or channel</source>
        <translation>код помилки 152 (нитка або канал %d).</translation>
    </message>
    <message id="2067">
        <source>Refusal code 153: %d run or channel</source>
        <translation>код помилки 153 (нитка або канал %d).</translation>
    </message>
    <message id="2068">
        <source>Refusal code 154: %d run or channel</source>
        <translation>код помилки 154 (нитка або канал %d).</translation>
    </message>
    <message id="2069">
        <source>Refusal code 155: %s item name, %d run or channel</source>
        <translation>код помилки 155 (%s, нитка або канал %d).</translation>
    </message>
    <message id="2070">
        <source>Refusal code 156: %d run or channel</source>
        <translation>код помилки 156 (нитка або канал %d).</translation>
    </message>
    <message id="2071">
        <source>Refusal code 157: %s item name, %d run or channel</source>
        <translation>код помилки 157 (%s, нитка або канал %d).</translation>
    </message>
    <message id="2072">
        <source>Refusal code 158</source>
        <translation>код помилки 158.</translation>
    </message>
    <message id="2073">
        <source>Refusal code 159</source>
        <translation>код помилки 159.</translation>
    </message>
    <message id="2074">
        <source>Refusal code 160</source>
        <translation>код помилки 160.</translation>
    </message>
    <message id="2075">
        <source>Parameter 0 (name list, refusal argument)</source>
        <translation>параметр 0</translation>
    </message>
    <message id="2125">
        <source>Pressure (menu)</source>
        <translation>Тиск</translation>
    </message>
    <message id="2126">
        <source>Temperature (menu)</source>
        <translation>Температура</translation>
    </message>
    <message id="2127">
        <source>Differential pressure (menu)</source>
        <translation>Перепад тиску</translation>
    </message>
    <message id="2128">
        <source>Lower differential pressure range (menu)</source>
        <translation>Нижній перепад тиску</translation>
    </message>
    <message id="2129">
        <source>Upper differential pressure range (menu)</source>
        <translation>Верхній перепад тиску</translation>
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
        <translation>Повторити спробу?</translation>
    </message>
    <message id="2193">
        <source>Enter the password (prompt)</source>
        <translation>Введіть пароль:</translation>
    </message>
    <message id="2194">
        <source>Repeat the password (prompt)</source>
        <translation>Повторіть пароль:</translation>
    </message>
    <message id="2195">
        <source>Exchange failed (title of the retry question)</source>
        <translation>Помилка обміну</translation>
    </message>
    <message id="2196">
        <source>Retry question after a failed exchange</source>
        <translation>Обмін з обчислювачем не вдався. Повторити?</translation>
    </message>
    <message id="2208">
        <source>Verification (menu item, title)</source>
        <translation>Повірка</translation>
    </message>
    <message id="2226">
        <source>Allowed range: %g lower, %g upper limit</source>
        <translation>Допустимі значення: від %g до %g</translation>
    </message>
    <message id="2238">
        <source>Calibration (menu item, title)</source>
        <translation>Калібрування</translation>
    </message>
    <message id="2277">
        <source>About (menu item, about box caption)</source>
        <translation>Про програму</translation>
    </message>
    <message id="2278">
        <source>Exit / Close (button, menu item)</source>
        <translation>Вихід</translation>
    </message>
    <message id="2279">
        <source>Continue (accept button)</source>
        <translation>Продовжити</translation>
    </message>
    <message id="2287">
        <source>Please wait (waiting window caption)</source>
        <translation>Зачекайте, будь ласка…</translation>
    </message>
    <message id="2325">
        <source>Attention (caption of refusals and warnings)</source>
        <translation>Увага</translation>
    </message>
    <message id="2326">
        <source>Warning: a run is in service mode (line 1)</source>
        <translation>Нитка обчислювача перебуває в режимі обслуговування.</translation>
    </message>
    <message id="2327">
        <source>Take it out of service mode? (line 2)</source>
        <translation>Вивести її з режиму обслуговування?</translation>
    </message>
    <message id="2330">
        <source>Link parameters (dialog caption, button)</source>
        <translation>Параметри зв’язку</translation>
    </message>
    <message id="2333">
        <source>Flow computer address (dialog caption)</source>
        <translation>Адреса обчислювача</translation>
    </message>
    <message id="2356">
        <source>General (menu)</source>
        <translation>Загальні</translation>
    </message>
    <message id="2358">
        <source>Remove runs from service mode (menu item)</source>
        <translation>Зняття з обслуговування</translation>
    </message>
    <message id="2359">
        <source>Help (menu)</source>
        <translation>Довідка</translation>
    </message>
    <message id="2361">
        <source>Program line in the status bar</source>
        <translation>Zelmark — сервісна програма для обчислювачів ОРТАКС і ВЕГАНТ</translation>
    </message>
    <message id="2362">
        <source>Refusal message prefix (the code text follows)</source>
        <translation>Обчислювач відмовився виконати команду: </translation>
    </message>
    <message id="2385">
        <source>Error (title of error messages)</source>
        <translation>Помилка</translation>
    </message>
    <message id="2413">
        <source>Bit rate (label; the program adds a colon)</source>
        <translation>Швидкість обміну, біт/с</translation>
    </message>
    <message id="2613">
        <source>Apply (OK button)</source>
        <translation>Застосувати</translation>
    </message>
    <message id="2614">
        <source>Cancel (button)</source>
        <translation>Скасувати</translation>
    </message>
    <message id="2615">
        <source>Status bar text while an exchange runs</source>
        <translation>Обмін з обчислювачем…</translation>
    </message>
    <message id="2627">
        <source>First-byte timeout, s (label)</source>
        <translation>Очікування першого байта, с:</translation>
    </message>
    <message id="2628">
        <source>Timeout between bytes, ms (label)</source>
        <translation>Очікування між байтами, мс:</translation>
    </message>
    <message id="2633">
        <source>RTS control (check box)</source>
        <translation>Керування передавачем сигналом RTS (RS-485, модем Bell)</translation>
    </message>
    <message id="2653">
        <source>Link (menu)</source>
        <translation>Зв’язок</translation>
    </message>
    <message id="2654">
        <source>Computers with software 20 or newer need another program</source>
        <translation>Для обчислювачів із версією ПЗ 20 і вище потрібна інша сервісна програма.</translation>
    </message>
    <message id="2694">
        <source>Zero setting (menu item, title)</source>
        <translation>Встановлення нуля</translation>
    </message>
    <message id="2696">
        <source>Checksum (CRC) error in the answer</source>
        <translation>Помилка контрольної суми (CRC) у відповіді</translation>
    </message>
    <message id="2716">
        <source>Writing parameters of run %d</source>
        <translation>Запис параметрів нитки %d…</translation>
    </message>
    <message id="2723">
        <source>Reading the configuration</source>
        <translation>Читання конфігурації обчислювача…</translation>
    </message>
    <message id="2724">
        <source>Reading parameters of run %d</source>
        <translation>Читання параметрів нитки %d…</translation>
    </message>
    <message id="2725">
        <source>Reading current values of run %d</source>
        <translation>Читання поточних значень нитки %d…</translation>
    </message>
    <message id="2726">
        <source>Reading the configuration, part 2</source>
        <translation>Читання конфігурації (частина 2)…</translation>
    </message>
    <message id="2727">
        <source>Reading the configuration, part 3</source>
        <translation>Читання конфігурації (частина 3)…</translation>
    </message>
    <message id="2728">
        <source>Checking the link (activity panel)</source>
        <translation>Перевірка зв’язку з обчислювачем…</translation>
    </message>
    <message id="2729">
        <source>Identifying the flow computer</source>
        <translation>Ідентифікація обчислювача…</translation>
    </message>
    <message id="2730">
        <source>Taking the run out of service mode</source>
        <translation>Виведення нитки з режиму обслуговування…</translation>
    </message>
    <message id="2731">
        <source>Reading the device tag (activity panel)</source>
        <translation>Читання тегу обчислювача…</translation>
    </message>
    <message id="2763">
        <source>Write password (dialog caption)</source>
        <translation>Пароль на запис</translation>
    </message>
    <message id="2773">
        <source>Number of attempts (label)</source>
        <translation>Кількість спроб:</translation>
    </message>
    <message id="2820">
        <source>About box line 1</source>
        <translation>Сервісна програма для обчислювачів витрати газу</translation>
    </message>
    <message id="2821">
        <source>About box line 2</source>
        <translation>ОРТАКС і ВЕГАНТ.</translation>
    </message>
    <message id="2822">
        <source>About box line 3</source>
        <translation>Програма дає змогу:</translation>
    </message>
    <message id="2823">
        <source>About box line 4</source>
        <translation>— повіряти вимірювальні канали тиску, температури та перепаду тиску;</translation>
    </message>
    <message id="2824">
        <source>About box line 5</source>
        <translation>— калібрувати канали АЦП за кількома точками</translation>
    </message>
    <message id="2825">
        <source>About box line 6</source>
        <translation>  за кількох значень температури навколишнього середовища (Тос);</translation>
    </message>
    <message id="2826">
        <source>About box line 7</source>
        <translation>— переглядати, редагувати та зберігати параметри калібрування;</translation>
    </message>
    <message id="2827">
        <source>About box line 8</source>
        <translation>— складати й друкувати звіт про параметри калібрування;</translation>
    </message>
    <message id="2828">
        <source>About box line 9</source>
        <translation>— встановлювати нуль і коригувати НСХП;</translation>
    </message>
    <message id="2829">
        <source>About box line 10</source>
        <translation>— задавати нахил і зміщення НСХП;</translation>
    </message>
    <message id="2830">
        <source>About box line 11</source>
        <translation>— налаштовувати параметри каналів АЦП і параметри вимірювань;</translation>
    </message>
    <message id="2831">
        <source>About box line 12</source>
        <translation>— вводити поправкові коефіцієнти лічильника;</translation>
    </message>
    <message id="2832">
        <source>About box line 13</source>
        <translation>— читати й записувати заводський номер обчислювача;</translation>
    </message>
    <message id="2833">
        <source>About box line 14</source>
        <translation>— виводити нитки з режиму обслуговування.</translation>
    </message>
    <message id="2834">
        <source>About box line 15</source>
        <translation>Зв’язок: COM1–COM8, 300–115200 біт/с,</translation>
    </message>
    <message id="2835">
        <source>No answer</source>
        <translation>Обчислювач не відповідає</translation>
    </message>
    <message id="2836">
        <source>About box line 16</source>
        <translation>безпосередньо, лінією RS-485 або через модем Bell.</translation>
    </message>
    <message id="2837">
        <source>About box line 17</source>
        <translation>Еталон: HART-датчик 3051 або 3095.</translation>
    </message>
    <message id="2838">
        <source>About box line 18</source>
        <translation>Мова інтерфейсу: російська або українська.</translation>
    </message>
    <message id="2839">
        <source>About box line 19</source>
        <translation>Налаштування зв’язку зберігаються у файлі Zelmark.ini.</translation>
    </message>
    <message id="2840">
        <source>About box line 20</source>
        <translation>Файли та звіти калібрування — у теці CALIBR.</translation>
    </message>
    <message id="2841">
        <source>About box line 21</source>
        <translation>Графіки та статистика повірок — програма Tallyview.</translation>
    </message>
    <message id="2842">
        <source>Incomplete answer</source>
        <translation>Неповна відповідь</translation>
    </message>
    <message id="2844">
        <source>Answer of a reserved length (reserved status)</source>
        <translation>Відповідь неприпустимої довжини</translation>
    </message>
    <message id="2847">
        <source>Connect (button)</source>
        <translation>Підключити</translation>
    </message>
    <message id="2848">
        <source>The chosen port is missing or busy</source>
        <translation>Вибраний порт відсутній або зайнятий іншою програмою</translation>
    </message>
    <message id="2849">
        <source>Port write error</source>
        <translation>Помилка запису в порт</translation>
    </message>
    <message id="2850">
        <source>Port read error</source>
        <translation>Помилка читання з порту</translation>
    </message>
    <message id="2851">
        <source>Wrong answer (address or command)</source>
        <translation>Неправильна відповідь (чужа адреса або команда)</translation>
    </message>
    <message id="2852">
        <source>Language (submenu)</source>
        <translation>Мова</translation>
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
        <translation>Не вдалося відкрити порт COM%d</translation>
    </message>
    <message id="2856">
        <source>No serial port found</source>
        <translation>Не знайдено жодного доступного COM-порту</translation>
    </message>
    <message id="2857">
        <source>Automatic speed search (check box)</source>
        <translation>Автоматичний пошук швидкості</translation>
    </message>
    <message id="2864">
        <source>This program does not serve the connected computer</source>
        <translation>Ця версія програми не обслуговує підключений обчислювач.</translation>
    </message>
    <message id="2867">
        <source>Use the service program for this computer type (a type number may follow)</source>
        <translation>Скористайтеся сервісною програмою для обчислювачів цього типу </translation>
    </message>
    <message id="2915">
        <source>Save calibration parameters (menu item)</source>
        <translation>Збереження параметрів калібрування</translation>
    </message>
    <message id="2916">
        <source>View calibration parameters (menu item)</source>
        <translation>Перегляд параметрів калібрування</translation>
    </message>
    <message id="2917">
        <source>Units of measurement for calibration (menu item)</source>
        <translation>Одиниці вимірювання для калібрування</translation>
    </message>
    <message id="2918">
        <source>Factory number of the flow computer (menu item)</source>
        <translation>Заводський номер обчислювача</translation>
    </message>
    <message id="2931">
        <source>Edit calibration parameters (menu item)</source>
        <translation>Редагування параметрів калібрування</translation>
    </message>
    <message id="2934">
        <source>NSHP slope and offset (menu item)</source>
        <translation>Нахил і зміщення НСХП</translation>
    </message>
    <message id="2996">
        <source>Measurement refused: %d error code</source>
        <translation>Обчислювач відмовив у вимірюванні, код помилки %d</translation>
    </message>
    <message id="3059">
        <source>NSHP correction (menu item, title)</source>
        <translation>Корекція НСХП</translation>
    </message>
    <message id="3070">
        <source>Checking the serial ports (port test label)</source>
        <translation>Перевірка COM-портів…</translation>
    </message>
    <message id="3086">
        <source>Password for static parameters (dialog caption)</source>
        <translation>Пароль статичних параметрів</translation>
    </message>
</context>
</TS>
